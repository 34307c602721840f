#pragma once

#include "document/documentchange.h"
#include "document/records.h"

#include <QString>

#include <optional>
#include <vector>

namespace velunto {

// Presets that a new document takes for its page ratio (settings
// "Dok-SeitRatioArt", "Dok-SeitRatioBreite", "Dok-SeitRatioHoehe").
struct PageRatioPresets
{
    int art = 1;
    int breite = 10;
    int hoehe = 7;
};

// The one open topic document: header, ordered object list, BaseImage,
// document font and the flags that go with them. The program keeps a single
// instance from start to exit and resets it instead of replacing it.
//
// Observers learn what changed. The operations below report their changes
// themselves; whoever writes into header, objects or baseImage directly
// reports it with one of the notify calls. A copy of a Document has no
// observers.
class Document
{
  public:
    Document();

    HeaderDataTyp header;
    std::vector<ObjDataTyp> objects;
    Picture baseImage;

    // The blank start picture: a valid picture of non-zero size in colour.
    static Picture blankPicture(ColorRef colour = 0xFFFFFF);

    // --- whole document ---------------------------------------------------

    // Resets everything to the values of a new document. The previous
    // FileName becomes the previously shown document.
    void newDocument();

    QString documentTypeName() const;

    bool isModified() const { return m_modified; }
    void setModified(bool on = true) { m_modified = on; }

    // The font of all page texts ("Schriftart"). Held across new documents;
    // a loaded document that names a font replaces it.
    const QString& fontName() const { return m_fontName; }
    void setFontName(const QString& name);

    const QString& previousFileName() const { return m_previousFileName; }

    void setPageRatioPresets(const PageRatioPresets& presets) { m_presets = presets; }
    const PageRatioPresets& pageRatioPresets() const { return m_presets; }

    // Recomputes MinZIndex and MaxZIndex as the minimum and maximum of 0 and
    // every ZIndex.
    void updateZRange();

    // --- picture export protection ------------------------------------------

    // True when a picture may not leave the program before the password was
    // entered.
    bool picturesLocked() const;
    // Compares entry exactly with BilderPasswort; a match unlocks the
    // pictures until the next load or new document.
    bool unlockPictures(const QString& entry);
    bool picturesUnlocked() const { return m_picturesUnlocked; }
    void setPicturesUnlocked(bool on) { m_picturesUnlocked = on; }

    // --- objects -------------------------------------------------------------

    int objectCount() const { return static_cast<int>(objects.size()); }
    bool isValidIndex(int index) const { return index >= 0 && index < objectCount(); }

    // Appends an authored object as the object editor makes it. visible is
    // the visible part of the page in page fractions, counter the editor's
    // running number 1..9. Returns the new index.
    int newObject(int kind, const RectD& visible, int counter, bool withLine, int side);

    // Appends an object made by a content builder. Returns the new index.
    int addGeneratedObject(int kind, int layer, const QString& text, int questionNumber, double x,
                           double y, int side, int sizeStep);

    void deleteObject(int index);
    // Inserts a copy right after index and returns its index.
    int duplicateObject(int index);
    void bringToFront(int index);
    void sendToBack(int index);

    // Deletes every object of a kind below 10, then lets the content builders
    // rebuild their generated objects. Returns false (and changes nothing)
    // when there is no such object.
    bool deleteAllAuthoredObjects();
    bool hasAuthoredObjects() const;

    // The object clipboard lives as long as the program, across documents.
    void copyObject(int index);
    bool canPaste() const { return m_clipboard.has_value(); }
    // Appends a copy of the copied object; returns its index or -1.
    int pasteObject();

    // Runs the builder that the content registry holds for the document's
    // type: with create, its generated objects are made afresh (after a load,
    // after deleting all authored objects, after a change of the page
    // geometry, after the type's editor); without, they are only placed
    // again. The changes go out as one notification.
    void rebuildContent(bool create = true);

    // --- change notifications -----------------------------------------------------

    void addObserver(DocumentObserver* observer);
    void removeObserver(DocumentObserver* observer);

    // Reports changes made directly to the public members.
    void notifyObjectsChanged(const std::vector<int>& indices, int aspects);
    void notifyObjectChanged(int index, int aspects);
    void notifyAllObjectsChanged(int aspects);
    void notifyHeaderChanged();
    void notifyBaseImageChanged();
    // The content was replaced as a whole (a load, a document taken over).
    void notifyReplaced();
    void notify(const DocumentChange& change);

    void setBaseImage(Picture picture);

    // --- state kept between layouts --------------------------------------------

    int gapCursor = 0;     // next gap object that a cloze layout without create moves
    // The font shrink that the last cloze layout found, in pixels of a page
    // 870 wide (zero or negative).
    int clozeFontStep = 0;

  private:
    bool m_modified = false;
    bool m_picturesUnlocked = false;
    QString m_fontName = QStringLiteral("Arial");
    QString m_previousFileName;
    PageRatioPresets m_presets;
    std::optional<ObjDataTyp> m_clipboard;

    friend class DocumentChangeBatch;
    // Observers and the batch in progress belong to this instance: a copy
    // starts without either.
    struct Notifier
    {
        std::vector<DocumentObserver*> observers;
        int batchDepth = 0;
        bool dispatching = false;
        DocumentChange pending;

        Notifier() = default;
        Notifier(const Notifier&) {}
        Notifier& operator=(const Notifier&) { return *this; }
    };
    Notifier m_notifier;
    void flush();
};

// Holds back the Document's notifications while it lives and sends what
// changed as one notification at its end. Batches nest.
class DocumentChangeBatch
{
  public:
    explicit DocumentChangeBatch(Document& document);
    ~DocumentChangeBatch();
    DocumentChangeBatch(const DocumentChangeBatch&) = delete;
    DocumentChangeBatch& operator=(const DocumentChangeBatch&) = delete;

  private:
    Document& m_document;
};

} // namespace velunto
