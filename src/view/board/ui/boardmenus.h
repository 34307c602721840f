#pragma once

#include "view/board/chronicle.h"
#include "view/board/sheetpatterns.h"

#include <functional>

class QMenu;

namespace velunto {

// The board-sheet menu of "Neues Blatt": one submenu per kind of sheet.
void fillSheetMenu(QMenu* menu, const std::function<void(const SheetMenuEntry&)>& chosen);

// The menu of "Aus Chronik abrufen": the screenshots newest first, each with
// its thumbnail; chosen gets the entry's position in the menu.
void fillChronicleMenu(QMenu* menu, const Chronicle& chronicle,
                       const std::function<void(int)>& chosen);

} // namespace velunto
