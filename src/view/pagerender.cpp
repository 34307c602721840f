#include "view/pagerender.h"

#include "common/random.h"
#include "document/document.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <QPainter>

namespace velunto {

QImage renderLoadedDocument(Document& document, const ViewRenderOptions& options)
{
    derivePageGeometry(document.header, usableBaseSize(document.baseImage));
    if (options.uncoverAll) {
        for (ObjDataTyp& o : document.objects)
            o.Abdeckung = 0;
    }
    ViewState view;
    view.setViewport(options.viewport);
    view.setZoomIndex(options.zoomIndex);
    view.orderList = numberObjects(document, view, view.numberingMode, randomSource());
    PageComposer composer(document, view);
    composer.redraw();

    const QSize size(std::max(1, options.viewport.width()), std::max(1, options.viewport.height()));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(kViewSurround);
    QPainter p(&picture);
    const QRect shown = view.shownRect();
    p.drawImage(shown.topLeft(), composer.page(), QRect(view.visibleOrigin(), shown.size()));
    return picture;
}

} // namespace velunto
