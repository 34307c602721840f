#pragma once

#include "document/records.h"

#include <QString>

#include <optional>

namespace velunto {

class Document;
class Prompter;

// The picture buttons of the editors and dialogs: "aus Zwisch.abl.",
// "aus Datei..." and "In Zw.abl. kopieren".

// The bitmap on the clipboard; without one the information "Die
// Zwischenablage enthält keine Bitmap-Grafik." and nullopt.
std::optional<Picture> pictureFromClipboard(Prompter& prompter);

// Asks for a picture file under title, starting in folder; nullopt when
// cancelled.
std::optional<QString> choosePictureFile(Prompter& prompter, const QString& title,
                                         const QString& folder);

// Asks for a ".bmp", ".png" or ".jpg" file and reads it; a refused or
// unreadable file shows its message. nullopt when cancelled or failed.
std::optional<Picture> pictureFromFile(Prompter& prompter, const QString& title,
                                       const QString& folder);

// Copies picture to the clipboard when the document's pictures may leave
// the program (the picture password check); a null picture is not copied.
void copyPictureToClipboard(const Picture& picture, Document& document, Prompter& prompter);

} // namespace velunto
