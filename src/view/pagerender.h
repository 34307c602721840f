#pragma once

#include <QImage>
#include <QSize>

namespace velunto {

class Document;

struct ViewRenderOptions
{
    QSize viewport{1280, 800};
    int zoomIndex = 0; // 0 = 100 %, 2 = 150 %, 4 = 200 %
    bool uncoverAll = false;
    // Device pixels per viewport pixel: the page is composed this much
    // larger (a screen scaled to 200 % has 2).
    double pixelRatio = 1.0;
};

// What the learning view shows of a document just loaded, without a window:
// the page geometry derived, the query fields numbered in order, the page
// composed for the viewport at the zoom, and the visible part placed in a
// picture of the viewport's size as the window shows it. The document's
// covers and numbers are changed as the window would change them.
QImage renderLoadedDocument(Document& document, const ViewRenderOptions& options);

// The same, but the whole page picture (PagePicture) as composed for the
// viewport at the zoom, without the window's surround. It touches no window
// and no program-wide state, so worker threads may compose documents of
// their own.
QImage composeLoadedPage(Document& document, const ViewRenderOptions& options);

} // namespace velunto
