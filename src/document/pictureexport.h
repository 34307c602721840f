#pragma once

namespace velunto {

class Document;
class Prompter;

// The check before any picture of the document leaves the program (clipboard,
// export, gallery): when the pictures are protected and not yet unlocked, the
// password is asked for until it is entered exactly or the entry is
// cancelled. The right password unlocks the pictures until the next load or
// new document. False when the picture may not leave.
bool confirmPictureExport(Document& document, Prompter& prompter);

} // namespace velunto
