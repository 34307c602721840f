#include "document/pictureexport.h"

#include "document/document.h"
#include "platform/prompter.h"

namespace velunto {

bool confirmPictureExport(Document& document, Prompter& prompter)
{
    while (document.picturesLocked()) {
        const auto entry = prompter.askPassword(
            QStringLiteral("Die im Dokument enthaltenen Bilder sind passwort-geschützt. Um diese "
                           "Bilder zu exportieren, wird das Passwort benötigt."));
        if (!entry)
            return false;
        if (!document.unlockPictures(*entry))
            prompter.error(QStringLiteral("Das Passwort ist falsch."));
    }
    return true;
}

} // namespace velunto
