#pragma once

#include "document/records.h"
#include "library/folderbatch.h"

#include <QString>

namespace velunto {

class Document;

// Makes picture smaller so that it is at most maxWidth wide and maxHeight
// high, keeping its aspect ratio; a limit <= 0 means none. The copy is drawn
// with a smoothing filter. Returns true when the picture was replaced.
bool scaleDown(Picture& picture, int maxWidth, int maxHeight);

// Scales the document's pictures down where they are far larger than the
// view can ever show them: the BaseImage (by BildGroesse, so the page
// geometry must be derived), the gap-table cell pictures, the pictures of the
// picture kinds and the question and answer pictures of multiple-choice
// questions. Returns the number of pictures scaled. The modified flag and the
// page geometry are left to the caller.
int downscalePictures(Document& document);

// The information after scaling the open document's pictures.
QString downscaleReport(int scaled);

// The confirmation before every document of folder is scaled down and saved.
QString downscaleFolderQuestion(const QString& folder);

// Scales down the pictures of the document at path and saves it to the same
// file, only when a picture was scaled (Done; otherwise Unchanged). The
// document is read into a document of its own; fontName is the program's
// document font for files that name none.
BatchOutcome downscaleDocumentFile(const QString& path, const QString& fontName);
DocumentTask downscaleTask(const QString& fontName);

} // namespace velunto
