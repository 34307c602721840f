#pragma once

#include <vector>

namespace velunto {

// What changed in the objects that a DocumentChange names.
namespace ObjectAspect {
enum : int {
    Position = 1, // Sx, Sy, Kx, Ky, the side, the ZIndex: where and in which order it is drawn
    Text = 2,     // the text and everything else that says how the card looks
    Picture = 4,  // Bild and the answer pictures
    State = 8,    // Abdeckung, Nummer and the exercise fields
    All = Position | Text | Picture | State,
};
}

// One notification of the Document to its observers. Changes made inside a
// batch (DocumentChangeBatch) arrive as one, with everything merged.
struct DocumentChange
{
    enum What : int {
        Replaced = 1,          // new document, loaded, closed: everything is new
        Header = 2,            // the header, the document font or the page geometry
        BaseImage = 4,         // the BaseImage
        ObjectsAdded = 8,      // objects were appended or inserted
        ObjectsRemoved = 16,   // objects were deleted
        ObjectsReordered = 32, // the list order changed
        ObjectsChanged = 64,   // objects changed in place (objects, aspects)
    };

    int what = 0;
    // The changed and the appended objects, ascending, as indices into the
    // list as it is now. Meaningless when wholeList is set.
    std::vector<int> objects;
    // Every object may have changed or moved to another index: the list was
    // replaced, shrank, was reordered, or all objects changed at once.
    bool wholeList = false;
    // ObjectAspect bits of what changed in the objects.
    int aspects = 0;

    bool has(int bits) const { return (what & bits) != 0; }
    bool empty() const { return what == 0; }
    // True when the object may have changed: it is listed, or the whole list
    // changed.
    bool touches(int index) const;
    // Takes a later change into this one.
    void merge(const DocumentChange& later);
};

class DocumentObserver
{
  public:
    virtual ~DocumentObserver() = default;
    // Called after the Document changed; the observer reads the Document as
    // it is now. An observer may change the Document here: that change is
    // reported on its own afterwards.
    virtual void documentChanged(const DocumentChange& change) = 0;
};

} // namespace velunto
