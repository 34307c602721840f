#pragma once

#include "common/colorref.h"
#include "document/documentchange.h"
#include "document/records.h"

#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace velunto {

class Document;
class DrawnCards;
class Session;
class ViewState;

// Positions as the editor shows them: integers 0..10000 in units of 1/10000
// of the page.
constexpr int kPositionUnits = 10000;

// The rows of the editor's lists and what they stand for.
// Kind buttons: "Abfrage- Beschrift.", "  Abfrage-  Bild", "Statische
// Beschrift.", "Statisches Bild", "Info- punkt", "Link ext.", "VLT Dok.",
// "Bild- Link".
inline constexpr std::array<int, 8> kKindOfRow = {
    ObjectKind::QueryLabel,   ObjectKind::QueryImage, ObjectKind::FixedLabel,
    ObjectKind::FixedImage,   ObjectKind::InfoPoint,  ObjectKind::ExternalLink,
    ObjectKind::DocumentLink, ObjectKind::ImageLink};
// Layers "Basisbild", "Layout", "Texte und Bilder", "Infopunkte".
inline constexpr std::array<int, 4> kLayerOfRow = {0, 3, 1, 2};
// The size list runs from "-8" through "0 (standard)" to "+400".
constexpr int kSmallestSizeStep = -8;
constexpr int kLargestSizeStep = 400;

// The row of a kind or layer, -1 when the list has none for it.
int kindRow(int kind);
int layerRow(int layer);

// The editor's fields, one value per field of the tool window. A row of -1
// means "nothing chosen" in that list; applying it leaves the object's value.
struct EditorFields
{
    int anchorX = 0; // "mit Linie ab Pos.:" X, Y
    int anchorY = 0;
    int cardX = 0; // "Textposition:" / "Bildposition:" / "Punktposition:" X, Y
    int cardY = 0;
    bool withLine = true;
    int kindRow = 0;
    int layerRow = -1;
    int sideRow = -1;                 // "Position zum Ankerpunkt:", row = KAusr
    int sizeRow = -kSmallestSizeStep; // "Textgröße:", row = Fsize + 8
    int alignRow = -1;                // "Textsatz:", row = TAusr
    int style = 0;                    // StyleBit set of "Fett", "Kursiv", "Unterstrichen"
    ColorRef textColour = 0x000000;
    ColorRef lineColour = 0x000000;
    ColorRef background = 0xFFFFFF;
    int opacityRow = 0;   // "transparent", "10%" ... "90%", "deckend"
    int thicknessRow = 0; // "Dicke:" "1" ... "5"
    // The text of a label or info point, or the path of a link (the text
    // panel, the file panel and the picture-link panel show the same Text).
    QString text;
    QString pointTitle;  // "Punkttitel:"
    QString pointTitle2; // "2. Zeile:"
    // "Passwort:" for kinds 2, 4, 8, "Bildkennung" for the others: both are
    // BildKenn.
    QString bildKenn;
    bool fitPictureCard = true; // "Bildkärtchen anpassen (Übung)"
    bool inExercise = false;    // "Auch in der Übung verfügbar"
    Picture picture;

    bool operator==(const EditorFields&) const = default;
};

// The fields with no object selected.
EditorFields clearedFields();
// The fields that show object.
EditorFields fieldsOf(const ObjDataTyp& object);
// Writes fields into object as the tool window's mapping says.
void applyFields(const EditorFields& fields, ObjDataTyp& object);

// What the tool window shows for a kind row.
struct KindPanels
{
    bool textPanel = false;         // text field with its buttons
    bool picturePanel = false;      // picture with "Bildkennung"
    bool filePanel = false;         // path with "Durchsuchen..."
    bool pictureLinkPanel = false;  // path and picture
    bool textSize = false;          // "Textgröße:"
    bool alignmentAndStyle = false; // "Textsatz:", "Schriftstil:"
    bool textAndBackgroundColour = false;
    bool pictureOpacityCaption = false; // "Deckkraft des Bildes:"
    bool pointTitles = false;           // "Punkttitel:", "2. Zeile:"
    bool tagButtons = false;            // "Fett <b>...</b>" ...
    bool testAndExercise = false;       // "&Testen", "Auch in der Übung verfügbar"
    bool password = false;              // "Passwort:"
    bool fitPictureCard = false;        // "Bildkärtchen anpassen (Übung)"
    QString positionCaption;            // "Textposition:", "Bildposition:", "Punktposition:"
};
KindPanels panelsForRow(int kindRow);

// The editor's handles on the page.
enum class HandleKind { None, Anchor, CardPoint, Card };

struct Handle
{
    HandleKind kind = HandleKind::None;
    int object = -1;
    QRect rect; // in screen pixels of the view's page control
};

// The transformation of all objects: x := fx x + ox, y := fy y + oy with the
// offsets in units of 1/10000 of the page.
struct Transformation
{
    double fx = 1.0;
    double fy = 1.0;
    int ox = 0;
    int oy = 0;
};

// Moves every object of the editor's eight kinds by the transformation, keeping positions on the
// page, and forgets where their cards were drawn. Returns the number of objects moved.
int transformObjects(Document& document, const Transformation& t);

// Rounds Kx and Ky of every object of the editor's eight kinds to multiples
// of 0.01.
void alignAllToGrid(Document& document);

// A position rounded to a multiple of 0.01 (halves to even).
double roundToHundredth(double value);

// "In relativen Pfad umwandeln": path relative to the folder of the
// document file; unchanged when the document has no file yet, or when path
// is a web address or relative already.
QString pathRelativeToDocument(const QString& path, const QString& documentFile);

// One step of Move: the field snaps to the step grid in the direction of the
// movement (1234 + 100 -> 1300, 1234 - 100 -> 1200) and stays in 0..10000.
int movedPosition(int field, int step);

// The object editor's logic without a window: the selected object, the
// fields and the way they map to it, the commands on objects, moving,
// grid alignment and dragging the handles on the page. It never asks the
// user: commands that need a question or report a refusal say so, and the
// window shows it. It edits through one view (view, with the cards that view
// drew) and keeps the session's selection.
//
// It follows the Document: when something other than the editor changes the
// selected object (a transformation of the page, a content editor), the
// fields show the object as it is now, so that the next Apply cannot write
// old values back; when objects are removed, reordered or the document is
// replaced, the selection goes without writing.
class ObjectEditor : private DocumentObserver
{
  public:
    ObjectEditor(Document& document, Session& session, const ViewState& view,
                 const DrawnCards& cards);
    ~ObjectEditor() override;
    ObjectEditor(const ObjectEditor&) = delete;
    ObjectEditor& operator=(const ObjectEditor&) = delete;

    // Called after the fields or the selection followed a change made
    // elsewhere, and after objects were added, removed or reordered or the
    // document was replaced.
    void setFollowed(std::function<void()> followed) { m_followed = std::move(followed); }

    bool isOpen() const;
    // Opening and closing mark the view so that it draws and hit-tests for
    // the editor. Closing deselects first.
    void setOpen(bool open);

    int selected() const { return m_selected; }
    bool hasSelection() const;
    const EditorFields& fields() const { return m_fields; }
    KindPanels panels() const { return panelsForRow(m_fields.kindRow); }

    // Select(index): applies the fields to the object selected so far, then
    // shows object index (-1 or an index beyond the list: none).
    void select(int index);
    // Drops the selection without writing the fields anywhere: after the
    // object was deleted, or when the document was replaced, the index
    // names another object or none.
    void forgetSelection();
    // Writes the fields into the selected object, when there is one.
    void apply();
    // A field changed in the window: sets the modified flag and, with a
    // selection, applies; the page shows it at once with "Auto-Vorschau".
    // True when an object changed.
    bool changeFields(const EditorFields& fields);

    // "&Auto-Vorschau".
    bool autoPreview = true;
    // "&Vorschau": the page shows every object as it is now.
    void preview();

    // --- commands ---------------------------------------------------------------

    // The running number of new objects, 1..9.
    int newObjectCounter() const { return m_counter; }
    // New(kind): a new object of the kind, selected. Returns its index.
    int newObject(int kind);

    // Duplicate, Copy and Paste return the message to show instead when
    // they cannot act.
    std::optional<QString> duplicate();
    std::optional<QString> copy();
    std::optional<QString> paste();
    bool canPaste() const;

    // The question before the selected object is deleted; empty without a
    // selection.
    QString deleteQuestion() const;
    // How the confirmation names the selected object.
    QString selectedObjectName() const;
    // Deletes the selected object and deselects (without applying).
    bool deleteSelected();

    bool bringToFront();
    bool sendToBack();

    // Move(dx, dy) in units of 1/10000 of the page. False without a selection.
    bool move(int dx, int dy);
    // "Am &Raster ausrichten" with a selection: the card fields snap to
    // multiples of 100. False without a selection (the window then asks
    // about aligning all objects).
    bool alignSelectionToGrid();

    // "&Transformieren..." after OK: deselects, then transforms.
    void transform(const Transformation& t);

    // --- handles on the page ------------------------------------------------------

    // The handle under a page point (page fractions): the selected object's
    // anchor or card point when the point is within 5 pixels of the view of
    // it; else, over an object that the editor can pick, its anchor (with a
    // line), its card point, or its card.
    Handle handleAt(QPointF page) const;
    // The frame around the selected object's card, in screen pixels; empty
    // without a selection or before its card was drawn.
    QRect selectionFrame() const;

    // Pressing on a handle selects its object and starts dragging it.
    void beginDrag(const Handle& handle, QPointF page);
    bool isDragging() const { return m_drag.kind != HandleKind::None; }
    // The handle follows the pointer. With ctrl the fields show the exact
    // values, otherwise multiples of 0.01. Returns the dragged object.
    int dragTo(QPointF page, bool ctrl);
    // Ends the drag: unless ctrl, the dragged pair is rounded to multiples
    // of 0.01. Returns the dragged object, or -1 when nothing was dragged.
    int endDrag(bool ctrl);

  private:
    void documentChanged(const DocumentChange& change) override;
    ObjDataTyp* selectedObject();
    void fill();

    // Marks the editor's own changes of the Document while it makes them.
    class Writing
    {
      public:
        explicit Writing(ObjectEditor& editor) : m_editor(editor), m_was(editor.m_writing)
        {
            editor.m_writing = true;
        }
        ~Writing() { m_editor.m_writing = m_was; }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

      private:
        ObjectEditor& m_editor;
        bool m_was;
    };
    void showDragged(const ObjDataTyp& object, bool ctrl);

    Document& m_document;
    Session& m_session;
    const ViewState& m_view;
    const DrawnCards& m_cards;
    int m_selected = -1;
    EditorFields m_fields = clearedFields();
    int m_counter = 1;

    struct Drag
    {
        HandleKind kind = HandleKind::None;
        QPointF offset; // from the pointer to the handle's reference point, page fractions
        QPointF last;   // the pointer at the previous step, page fractions
        QPointF card;   // the dragged card point before clamping to the page
        bool moved = false;
    };
    Drag m_drag;
    bool m_writing = false;
    std::function<void()> m_followed;
};

} // namespace velunto
