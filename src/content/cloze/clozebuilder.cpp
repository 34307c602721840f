#include "content/cloze/clozebuilder.h"

#include "content/cloze/clozelayout.h"
#include "document/document.h"
#include "document/textcanvas.h"

#include <QImage>

namespace velunto {

void buildCloze(Document& document, bool create)
{
    // Measured as on the pictures the views compose into.
    const QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    PainterCanvas canvas(&device);
    DocumentChangeBatch batch(document);
    layoutCloze(document, canvas, clozeLayoutPage(document), create, false);
    // The layout deletes and moves its objects in place: every object may
    // have changed.
    document.notify({create ? DocumentChange::ObjectsRemoved : DocumentChange::ObjectsChanged,
                     {},
                     true,
                     create ? ObjectAspect::All : ObjectAspect::Position});
}

} // namespace velunto
