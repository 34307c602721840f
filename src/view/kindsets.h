#pragma once

namespace velunto {

// Which object kinds take part in which step of the page composition, hit
// testing and numbering. Generated kinds of the content types are listed here
// as well, so that one table decides for every kind.

// Drawn into Background: they never change while the page is shown.
bool isFixedKind(int kind);
// Drawn last, on top of everything else, and again after all objects.
bool isQueryKind(int kind);
// Toggled between covered and uncovered by a click with the pointer.
bool isCoverableKind(int kind);
// Shown as the light blue box with "?" while Abdeckung is -1.
bool drawsCoveredBox(int kind);
// Gets Nummer = its position in the order list.
bool isNumberedKind(int kind);
// Taken into the order list by numbering (documents other than types 2 and 3).
bool isOrderListKind(int kind);
// Clickable in the learning view and the exercise; kinds 10, 24, 28 and 29
// only for the current question (the caller checks FrageNummer).
bool isClickableKind(int kind);
bool isClickableForCurrentQuestion(int kind);
// Clickable while the object editor is open.
bool isEditorClickableKind(int kind);

} // namespace velunto
