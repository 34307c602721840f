#pragma once

#include <functional>
#include <vector>

namespace velunto {

// The objects that a run of a document type asks: the kinds asked when
// cards are dragged or answers clicked (query modes 0 to 2), and the kinds
// that get a text box in text entry (empty when the type has no text entry).
struct AskedKinds
{
    std::vector<int> choice;
    std::vector<int> textEntry;

    bool asks(int kind) const;
    bool typesInto(int kind) const;
};

// Where a run learns the asked kinds of a document type and sub-type.
using AskedKindsLookup = std::function<AskedKinds(int dokTyp, int dokUnterTyp)>;

// The asked kinds that the content registry holds for a document type: the
// entry of its sub-type when one is registered, else the type's.
AskedKinds builtInAskedKinds(int dokTyp, int dokUnterTyp);

} // namespace velunto
