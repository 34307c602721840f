// The rows of the "&Lernansicht" menu: layers, covering, numbering, zoom and
// moving the visible part.

#include "app/mainwindow.h"
#include "app/menus.h"
#include "view/ui/learningview.h"

namespace velunto {

std::vector<MenuCommand> viewMenuCommands()
{
    using M = MainWindow;
    using T = TopMenu;
    std::vector<MenuCommand> c;
    const std::pair<int, const char*> layers[] = {
        {Layer::BaseImage, "&Basisbild"},
        {Layer::TextsAndImages, "&Texte und Bilder"},
        {Layer::InfoPoints, "Info&punkte"},
        {Layer::Layout, "&Layout"},
    };
    for (int i = 0; i < 4; ++i) {
        const int layer = layers[i].first;
        c.push_back(checkedWhen(
            menuRow(T::LearningView, 10 + i, layers[i].second, {},
                    [layer](M& w) { w.view().setLayer(layer, !w.view().isLayerShown(layer)); }),
            [layer](const M& w) { return w.view().isLayerShown(layer); }));
    }
    c.push_back(separated(menuRow(T::LearningView, 20, "Alle Abfragefelder abdecken", {},
                                  [](M& w) { w.view().coverAll(); })));
    c.push_back(menuRow(T::LearningView, 21, "Lösung", {}, [](M& w) { w.view().uncoverAll(); }));
    const std::pair<int, const char*> numbering[] = {
        {NumberingMode::QuestionMarks, "&Fragezeichen"},
        {NumberingMode::Ordered, "&Geordnet"},
        {NumberingMode::Random, "&Zufällig"},
    };
    for (int i = 0; i < 3; ++i) {
        const int mode = numbering[i].first;
        MenuCommand item =
            checkedWhen(menuRow(T::LearningView, 30 + i, numbering[i].second, {},
                                [mode](M& w) { w.view().number(mode); }),
                        [mode](const M& w) { return w.view().numberingMode() == mode; });
        item.separatorBefore = i == 0;
        c.push_back(item);
    }
    const std::pair<int, const char*> zooms[] = {
        {0, "Zoom &100 %"}, {2, "Zoom 1&50 %"}, {4, "Zoom &200 %"}};
    for (int i = 0; i < 3; ++i) {
        const int index = zooms[i].first;
        MenuCommand item =
            checkedWhen(menuRow(T::LearningView, 40 + i, zooms[i].second, {},
                                [index](M& w) { w.view().setZoomIndex(index); }),
                        [index](const M& w) { return w.view().state().zoomIndex() == index; });
        item.separatorBefore = i == 0;
        c.push_back(item);
    }
    const std::pair<ScrollDirection, const char*> scrolls[] = {
        {ScrollDirection::Left, "Nach lin&ks verschieben"},
        {ScrollDirection::Right, "Nach &rechts verschieben"},
        {ScrollDirection::Up, "Nach &oben verschieben"},
        {ScrollDirection::Down, "Nach &unten verschieben"},
    };
    for (int i = 0; i < 4; ++i) {
        const ScrollDirection direction = scrolls[i].first;
        MenuCommand item = menuRow(T::LearningView, 50 + i, scrolls[i].second, {},
                                   [direction](M& w) { w.view().scroll(direction); });
        item.separatorBefore = i == 0;
        c.push_back(item);
    }
    c.push_back(separated(menuRow(T::LearningView, 60, "Abdeckblatt &einblenden", {},
                                  [](M& w) { w.view().showCoverSheet(); })));
    c.push_back(menuRow(T::LearningView, 61, "Abdeckblatt ausblen&den", {},
                        [](M& w) { w.view().hideCoverSheet(); }));
    return c;
}

} // namespace velunto
