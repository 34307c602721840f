#pragma once

#include "library/folderbatch.h"
#include "platform/usermessage.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace velunto {

constexpr int kPreviewMinHeight = 10;
constexpr int kPreviewMaxHeight = 2000;
constexpr int kPreviewDefaultHeight = 200;

// The folder of the preview pictures of the documents in folder:
// folder + "vorschaubilder/".
QString previewFolder(const QString& documentFolder);

// Creates the preview folder when it does not exist; the error message when
// that fails.
std::optional<QString> ensurePreviewFolder(const QString& folder);

// The name of a document's preview of height pixels: the document's file
// name without its extension, "-", the height and ".png".
QString previewFileName(const QString& documentPath, int height);

// page scaled to height pixels, its width in proportion.
QImage scalePreview(const QImage& page, int height);

// Writes the preview of page as a PNG file, replacing the file at path only
// when the new one is complete. The file error message on failure.
UserMessages writePreview(const QImage& page, int height, const QString& path);

struct PreviewSettings
{
    int height = kPreviewDefaultHeight;
    // The window the page is composed for, as the learning view would show
    // it; a preview higher than the window is composed at its own height.
    QSize viewport{1280, 800};
    // The document font of the program, for documents that name none.
    QString fontName = QStringLiteral("Arial");
};

// Loads the document at path into a document of its own, composes its page
// and writes its preview into folder. A document whose pictures are
// protected by a password gets no preview (Skipped).
BatchOutcome makeDocumentPreview(const QString& path, const QString& folder,
                                 const PreviewSettings& settings);

// The task of a folder batch that makes the previews of every document.
DocumentTask previewTask(const QString& folder, const PreviewSettings& settings);

// The information after a batch about the documents it left out because
// their pictures are protected; empty when there were none.
QString skippedPreviewsText(const std::vector<BatchOutcome>& outcomes);

} // namespace velunto
