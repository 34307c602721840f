#pragma once

class QCoreApplication;

namespace velunto {

// Lets Qt's own dialogs and buttons (file, folder, colour and print dialogs,
// standard buttons) speak German like the rest of the program, whatever the
// system's language: loads Qt's German translation and uses Qt's dialogs
// instead of the desktop's, whose language follows the system. False when
// the translation is not installed; the dialogs then speak English.
bool useGermanStandardDialogs(QCoreApplication& app);

} // namespace velunto
