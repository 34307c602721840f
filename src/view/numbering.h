#pragma once

#include "view/viewstate.h"

#include <QString>

#include <vector>

namespace velunto {

class Document;
class RandomSource;
class Session;

// The label of a query field: "?" below 1; with NumArt 1 the letter of
// (n - 1) mod 26 followed by one apostrophe per full round of the alphabet
// (27 is "A'"); otherwise the decimal number.
QString numberLabel(int nummer, int numArt);

// True when the object is drawn and clickable in this state of the view: its
// layer is shown, and an object of a hideable kind (cross assignment) is
// visible.
bool isObjectShown(const ObjDataTyp& object, const ViewState& view);

// Builds the order list and numbers the query fields in the given mode
// (NumberingMode): in list order, top to bottom or alphabetically
// (GeordnetArt), or at random through the given generator. Returns the
// order list. Objects outside the list lose any number left from before, so
// that no stale number is ever shown.
std::vector<OrderEntry> numberObjects(Document& document, const ViewState& view, int mode,
                                      RandomSource& random);

// Number(mode): numbers the objects as shown in view and gives the session
// the mode and the order list.
void number(Document& document, Session& session, const ViewState& view, int mode,
            RandomSource& random);

} // namespace velunto
