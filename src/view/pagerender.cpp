#include "view/pagerender.h"

#include "common/random.h"
#include "document/document.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <QPainter>

namespace velunto {

namespace {

// A session, a view and a composer that have composed a document just
// loaded.
struct LoadedPage
{
    Session session;
    ViewState view{session};
    PageComposer composer;

    LoadedPage(Document& document, const ViewRenderOptions& options) : composer(document, view)
    {
        derivePageGeometry(document.header, usableBaseSize(document.baseImage));
        if (options.uncoverAll) {
            for (ObjDataTyp& o : document.objects)
                o.Abdeckung = 0;
        }
        view.setViewport(options.viewport);
        view.setZoomIndex(options.zoomIndex);
        view.setDevicePixelRatio(options.pixelRatio);
        // Ordered numbering draws nothing from the random source.
        RandomSource unused;
        number(document, session, view, session.numberingMode(), unused);
        composer.redraw();
    }
};

} // namespace

QImage renderLoadedDocument(Document& document, const ViewRenderOptions& options)
{
    LoadedPage loaded(document, options);
    const ViewState& view = loaded.view;
    const QSize size(std::max(1, options.viewport.width()), std::max(1, options.viewport.height()));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(kViewSurround);
    QPainter p(&picture);
    const QRect shown = view.shownRect();
    const QRect visible(view.visibleOrigin(), shown.size());
    if (view.devicePixelRatio() == 1.0) {
        p.drawImage(shown.topLeft(), loaded.composer.page(), visible);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(shown), loaded.composer.page(),
                    QRectF(view.pictureToComposed(visible)));
    }
    return picture;
}

QImage composeLoadedPage(Document& document, const ViewRenderOptions& options)
{
    return LoadedPage(document, options).composer.page();
}

} // namespace velunto
