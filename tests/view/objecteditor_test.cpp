#include "document/document.h"
#include "view/objecteditor.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace velunto;

namespace {

// A square page of 1000 x 1000 pixels shown whole, so that a screen pixel
// is 1/1000 of the page.
struct Editing
{
    Document doc;
    Session session;
    ViewState view{session};
    PageComposer composer{doc, view};
    ObjectEditor editor{doc, session, view, composer.cards()};

    Editing()
    {
        doc.baseImage = QImage(1000, 1000, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::white);
        derivePageGeometry(doc.header, doc.baseImage.size());
        view.setViewport(QSize(1000, 1000));
        editor.setOpen(true);
        composer.redraw();
    }

    int add(int kind, double x, double y, const QString& text = QStringLiteral("Wort"))
    {
        ObjDataTyp o;
        o.Typ = kind;
        o.Sx = o.Kx = x;
        o.Sy = o.Ky = y;
        o.Text = text;
        o.Ebene = Layer::TextsAndImages;
        o.KAusr = Side::Centre;
        o.KAusrAktiv = Side::Centre;
        o.Abdeckung = 0;
        doc.objects.push_back(o);
        return doc.objectCount() - 1;
    }

    ObjDataTyp& object(int i) { return doc.objects[std::size_t(i)]; }

    // The page point under a pixel of the page control.
    static QPointF at(double x, double y) { return {x / 1000.0, y / 1000.0}; }
    static QPointF at(QPointF screen) { return at(screen.x(), screen.y()); }

    void edit(const std::function<void(EditorFields&)>& change)
    {
        EditorFields f = editor.fields();
        change(f);
        editor.changeFields(f);
    }
};

} // namespace

TEST(ObjectEditor, NewObjectsCountOneToNineAndStartOver)
{
    Editing e;
    std::vector<double> rows;
    for (int i = 0; i < 10; ++i) {
        const int index = e.editor.newObject(ObjectKind::QueryLabel);
        EXPECT_EQ(e.editor.selected(), index);
        rows.push_back(e.object(index).Sy);
    }
    const std::vector<double> expected = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 0.1};
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_NEAR(rows[i], expected[i], 1e-12) << i;
    EXPECT_EQ(e.editor.newObjectCounter(), 2);
    EXPECT_TRUE(e.doc.isModified());
    EXPECT_EQ(e.object(9).Text, QStringLiteral("NEU"));
    EXPECT_EQ(e.editor.fields().text, QStringLiteral("NEU"));
}

TEST(ObjectEditor, NewObjectTakesTheSideAndLineOfTheFields)
{
    Editing e;
    e.edit([](EditorFields& f) {
        f.withLine = false;
        f.sideRow = Side::Left;
    });
    const int index = e.editor.newObject(ObjectKind::InfoPoint);
    EXPECT_EQ(e.object(index).Sline, 0);
    EXPECT_EQ(e.object(index).KAusr, Side::Left);
    EXPECT_EQ(e.object(index).Ebene, Layer::InfoPoints);
    EXPECT_EQ(e.object(index).PktCap, QStringLiteral("Info"));
}

TEST(ObjectEditor, SelectWritesTheFieldsIntoTheObjectSelectedSoFar)
{
    Editing e;
    const int a = e.add(ObjectKind::QueryLabel, 0.2, 0.2, QStringLiteral("Alpha"));
    const int b = e.add(ObjectKind::FixedLabel, 0.6, 0.6, QStringLiteral("Beta"));

    // Without a selection a change only marks the document.
    e.edit([](EditorFields& f) { f.text = QStringLiteral("ohne Objekt"); });
    EXPECT_TRUE(e.doc.isModified());
    EXPECT_EQ(e.object(a).Text, QStringLiteral("Alpha"));

    e.editor.select(a);
    EXPECT_EQ(e.editor.fields().text, QStringLiteral("Alpha"));
    EXPECT_EQ(e.session.selectedObject(), a);
    e.edit([](EditorFields& f) {
        f.text = QStringLiteral("Alpha\r\nzwei");
        f.cardX = 1234;
        f.style = StyleBit::Bold | StyleBit::Underline;
    });
    EXPECT_EQ(e.object(a).Text, QStringLiteral("Alpha\r\nzwei"));
    EXPECT_DOUBLE_EQ(e.object(a).Kx, 0.1234);
    EXPECT_EQ(e.object(a).Stil, 5);

    e.editor.select(b);
    EXPECT_EQ(e.editor.fields().text, QStringLiteral("Beta"));
    EXPECT_EQ(e.object(a).Text, QStringLiteral("Alpha\r\nzwei"));
    e.editor.select(-1);
    EXPECT_EQ(e.editor.fields().cardX, 0);
    EXPECT_EQ(e.editor.fields().sideRow, -1);
    EXPECT_TRUE(e.editor.fields().withLine);
    EXPECT_EQ(e.session.selectedObject(), -1);
}

TEST(ObjectEditor, FieldsMapToTheObject)
{
    ObjDataTyp picture;
    picture.Typ = ObjectKind::FixedImage;
    picture.BildDeck = 70;
    picture.HDeck = 0;
    picture.Fsize = 500;
    picture.Ebene = Layer::Layout;
    picture.Text = QStringLiteral("bleibt");
    EditorFields f = fieldsOf(picture);
    EXPECT_EQ(f.opacityRow, 7); // pictures show BildDeck, the others HDeck
    EXPECT_EQ(f.sizeRow, kLargestSizeStep - kSmallestSizeStep);
    EXPECT_EQ(f.kindRow, 3);
    EXPECT_EQ(f.layerRow, 1);

    f.opacityRow = 4;
    f.sideRow = Side::Bottom;
    f.layerRow = 2; // "Texte und Bilder"
    f.text = QStringLiteral("ersetzt");
    f.picture = QImage();
    applyFields(f, picture);
    EXPECT_EQ(picture.BildDeck, 40);
    EXPECT_EQ(picture.HDeck, 40);
    EXPECT_EQ(picture.KAusr, Side::Bottom);
    EXPECT_EQ(picture.KAusrAktiv, Side::Bottom);
    EXPECT_EQ(picture.Ebene, Layer::TextsAndImages);
    EXPECT_EQ(picture.Fsize, kLargestSizeStep);
    EXPECT_EQ(picture.Text, QStringLiteral("bleibt")); // pictures have no text field
    EXPECT_FALSE(picture.Bild.isNull());               // a picture kind always has a picture

    // A kind button turns it into an info point: the layer stays, the text
    // field now counts, the picture goes.
    f.kindRow = 4;
    applyFields(f, picture);
    EXPECT_EQ(picture.Typ, ObjectKind::InfoPoint);
    EXPECT_EQ(picture.Ebene, Layer::TextsAndImages);
    EXPECT_EQ(picture.Text, QStringLiteral("ersetzt"));
    EXPECT_TRUE(picture.Bild.isNull());

    // A kind the editor has no button for keeps its kind.
    ObjDataTyp letter;
    letter.Typ = ObjectKind::CrosswordCell;
    EditorFields g = fieldsOf(letter);
    EXPECT_EQ(g.kindRow, -1);
    applyFields(g, letter);
    EXPECT_EQ(letter.Typ, ObjectKind::CrosswordCell);
}

TEST(ObjectEditor, ChoosingAutomaticResetsTheSideInEffect)
{
    Editing e;
    const int a = e.add(ObjectKind::QueryLabel, 0.5, 0.5);
    e.object(a).KAusr = Side::Automatic;
    e.object(a).KAusrAktiv = Side::Left; // chosen by an earlier drag
    e.editor.select(a);
    e.edit([](EditorFields& f) { f.text = QStringLiteral("x"); });
    EXPECT_EQ(e.object(a).KAusrAktiv, Side::Left);
    e.edit([](EditorFields& f) { f.sideRow = Side::Top; });
    EXPECT_EQ(e.object(a).KAusrAktiv, Side::Top);
    e.edit([](EditorFields& f) { f.sideRow = Side::Automatic; });
    EXPECT_EQ(e.object(a).KAusr, Side::Automatic);
    EXPECT_EQ(e.object(a).KAusrAktiv, 0);
}

TEST(ObjectEditor, PanelsFollowTheKindRow)
{
    struct Case
    {
        int row;
        bool text, picture, file, pictureLink, tags, password, fit;
        const char* caption;
    };
    const Case cases[] = {
        {0, true, false, false, false, false, false, false, "Textposition:"},
        {1, false, true, false, false, false, false, true, "Bildposition:"},
        {4, true, false, false, false, true, true, false, "Punktposition:"},
        {6, false, false, true, false, false, false, false, "Punktposition:"},
        {7, false, false, false, true, false, true, false, "Bildposition:"},
    };
    for (const Case& c : cases) {
        const KindPanels p = panelsForRow(c.row);
        EXPECT_EQ(p.textPanel, c.text) << c.row;
        EXPECT_EQ(p.picturePanel, c.picture) << c.row;
        EXPECT_EQ(p.filePanel, c.file) << c.row;
        EXPECT_EQ(p.pictureLinkPanel, c.pictureLink) << c.row;
        EXPECT_EQ(p.tagButtons, c.tags) << c.row;
        EXPECT_EQ(p.password, c.password) << c.row;
        EXPECT_EQ(p.fitPictureCard, c.fit) << c.row;
        EXPECT_EQ(p.positionCaption, QString::fromUtf8(c.caption)) << c.row;
    }
}

TEST(ObjectEditor, DuplicateCopyAndPaste)
{
    Editing e;
    EXPECT_EQ(e.editor.duplicate(),
              QStringLiteral("Funktion nicht möglich, da kein Objekt markiert."));
    EXPECT_EQ(e.editor.copy(), QStringLiteral("Funktion nicht möglich, da kein Objekt markiert."));
    EXPECT_EQ(e.editor.paste(),
              QStringLiteral("Einfügen nicht möglich, da zuvor kein Objekt kopiert wurde."));
    EXPECT_FALSE(e.doc.isModified());

    const int a = e.add(ObjectKind::FixedLabel, 0.3, 0.98, QStringLiteral("Fluss"));
    e.add(ObjectKind::QueryLabel, 0.7, 0.2);
    e.editor.select(a);
    // What is typed before duplicating is part of the copy.
    e.edit([](EditorFields& f) { f.text = QStringLiteral("Strom"); });
    EXPECT_FALSE(e.editor.duplicate());
    ASSERT_EQ(e.doc.objectCount(), 3);
    EXPECT_EQ(e.editor.selected(), a + 1);
    EXPECT_EQ(e.object(a + 1).Text, QStringLiteral("KOPIE von Strom"));
    EXPECT_DOUBLE_EQ(e.object(a + 1).Ky, 1.0);
    EXPECT_DOUBLE_EQ(e.object(a + 1).Sy, 1.0);
    EXPECT_EQ(e.object(a).Text, QStringLiteral("Strom"));

    EXPECT_FALSE(e.editor.copy());
    EXPECT_TRUE(e.editor.canPaste());
    EXPECT_FALSE(e.editor.paste());
    ASSERT_EQ(e.doc.objectCount(), 4);
    EXPECT_EQ(e.editor.selected(), 3);
    EXPECT_EQ(e.object(3).Text, QStringLiteral("KOPIE von Strom"));
}

TEST(ObjectEditor, DeleteInTheMiddleWritesNothingIntoTheNextObject)
{
    Editing e;
    for (int i = 0; i < 10; ++i)
        e.add(ObjectKind::QueryLabel, 0.05 + 0.09 * i, 0.5, QStringLiteral("Nr. %1").arg(i));
    EXPECT_TRUE(e.editor.deleteQuestion().isEmpty());
    EXPECT_FALSE(e.editor.deleteSelected());

    e.editor.select(5);
    e.edit([](EditorFields& f) {
        f.text = QStringLiteral("geändert");
        f.cardY = 9000;
    });
    EXPECT_EQ(
        e.editor.deleteQuestion(),
        QStringLiteral("Soll die Beschriftung \"geändert\" (ID 5) wirklich gelöscht werden?"));
    EXPECT_TRUE(e.editor.deleteSelected());
    ASSERT_EQ(e.doc.objectCount(), 9);
    EXPECT_EQ(e.editor.selected(), -1);

    // Selecting elsewhere and closing apply the fields of the selection only.
    e.editor.select(2);
    e.editor.setOpen(false);
    EXPECT_EQ(e.object(5).Text, QStringLiteral("Nr. 6"));
    EXPECT_DOUBLE_EQ(e.object(5).Ky, 0.5);
    EXPECT_EQ(e.object(8).Text, QStringLiteral("Nr. 9"));
}

TEST(ObjectEditor, TheWindowFollowsEveryChangeOfTheListMadeElsewhere)
{
    const struct
    {
        const char* what;
        bool selected;
        std::function<void(Document&)> change;
        bool followed;
        int selectedAfter;
    } cases[] = {
        {"new document", false, [](Document& d) { d.newDocument(); }, true, -1},
        {"new document, selected", true, [](Document& d) { d.newDocument(); }, true, -1},
        {"object added", false,
         [](Document& d) {
             d.addGeneratedObject(ObjectKind::QueryLabel, 1, QStringLiteral("neu"), -1, 0.5, 0.5, 0,
                                  0);
         },
         true, -1},
        {"another object moved", true,
         [](Document& d) {
             d.objects[1].Sx = 0.9;
             d.notifyObjectChanged(1, ObjectAspect::Position);
         },
         false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Editing e;
        e.add(ObjectKind::QueryLabel, 0.2, 0.2);
        e.add(ObjectKind::QueryLabel, 0.6, 0.6);
        if (c.selected)
            e.editor.select(0);
        int followed = 0;
        e.editor.setFollowed([&] { ++followed; });
        c.change(e.doc);
        EXPECT_EQ(followed > 0, c.followed);
        EXPECT_EQ(e.editor.selected(), c.selectedAfter);
        // The editor's own changes are no news to it.
        followed = 0;
        e.editor.newObject(ObjectKind::QueryLabel);
        EXPECT_EQ(followed, 0);
    }
}

TEST(ObjectEditor, DeleteNamesTheObjectByKind)
{
    const std::pair<int, const char*> cases[] = {
        {ObjectKind::QueryImage, "das Bild"},
        {ObjectKind::FixedImage, "das Bild"},
        {ObjectKind::ExternalLink, "die Dateiverknüpfung \"a.pdf\""},
        {ObjectKind::DocumentLink, "die Dateiverknüpfung \"a.pdf\""},
        {ObjectKind::ImageLink, "die Dateiverknüpfung \"a.pdf\""},
        {ObjectKind::InfoPoint, "der Infopunkt \"a.pdf\""},
        {ObjectKind::FixedLabel, "die Beschriftung \"a.pdf\""},
        {60, "das Objekt"},
    };
    for (const auto& [kind, name] : cases) {
        Editing e;
        e.add(kind, 0.5, 0.5, QStringLiteral("a.pdf"));
        e.editor.select(0);
        EXPECT_EQ(e.editor.selectedObjectName(), QString::fromUtf8(name)) << kind;
    }
}

TEST(ObjectEditor, FrontTwiceAndBack)
{
    Editing e;
    const int a = e.add(ObjectKind::FixedLabel, 0.5, 0.5);
    e.add(ObjectKind::FixedLabel, 0.5, 0.5);
    e.doc.header.MaxZIndex = 3;
    EXPECT_FALSE(e.editor.bringToFront());
    e.editor.select(a);
    EXPECT_TRUE(e.editor.bringToFront());
    EXPECT_TRUE(e.editor.bringToFront());
    EXPECT_EQ(e.object(a).ZIndex, 5);
    EXPECT_TRUE(e.editor.sendToBack());
    EXPECT_EQ(e.object(a).ZIndex, -1);
    EXPECT_TRUE(e.doc.isModified());
}

TEST(ObjectEditor, MoveSnapsToTheStepInItsDirection)
{
    const std::tuple<int, int, int> cases[] = {
        {1234, 100, 1300},   {1234, -100, 1200}, {1234, 10, 1240}, {1234, -10, 1230},
        {10000, 100, 10000}, {1300, 100, 1400},  {50, -100, 0},    {0, -10, 0},
    };
    for (const auto& [field, step, expected] : cases)
        EXPECT_EQ(movedPosition(field, step), expected) << field << " " << step;

    Editing e;
    const int a = e.add(ObjectKind::QueryLabel, 0.1234, 0.5);
    EXPECT_FALSE(e.editor.move(100, 0));
    e.editor.select(a);
    EXPECT_TRUE(e.editor.move(100, -10));
    EXPECT_DOUBLE_EQ(e.object(a).Kx, 0.13);
    EXPECT_DOUBLE_EQ(e.object(a).Ky, 0.499);
    EXPECT_EQ(e.editor.fields().cardX, 1300);
    EXPECT_TRUE(e.doc.isModified());
}

TEST(ObjectEditor, GridAlignment)
{
    Editing e;
    const int a = e.add(ObjectKind::QueryLabel, 0.125, 0.135);
    EXPECT_FALSE(e.editor.alignSelectionToGrid());
    e.editor.select(a);
    EXPECT_TRUE(e.editor.alignSelectionToGrid());
    EXPECT_EQ(e.editor.fields().cardX, 1200); // halves to even
    EXPECT_EQ(e.editor.fields().cardY, 1400);
    EXPECT_DOUBLE_EQ(e.object(a).Kx, 0.12);

    // Without a selection every authored kind but the gap card moves, the
    // points and links as much as the labels; generated kinds stay.
    e.editor.select(-1);
    e.doc.objects.clear();
    const std::pair<int, bool> kinds[] = {
        {ObjectKind::QueryLabel, true},   {ObjectKind::FixedLabel, true},
        {ObjectKind::InfoPoint, true},    {ObjectKind::GapCard, false},
        {ObjectKind::ExternalLink, true}, {ObjectKind::DocumentLink, true},
        {ObjectKind::QueryImage, true},   {ObjectKind::FixedImage, true},
        {ObjectKind::ImageLink, true},    {ObjectKind::McQuestion, false},
        {ObjectKind::McInfoPoint, false}, {ObjectKind::TableImageLink, false},
    };
    for (const auto& [kind, aligned] : kinds)
        e.add(kind, 0.4567, 0.1234);
    e.doc.setModified(false);
    alignAllToGrid(e.doc);
    for (int i = 0; i < e.doc.objectCount(); ++i) {
        SCOPED_TRACE(kinds[i].first);
        EXPECT_DOUBLE_EQ(e.object(i).Kx, kinds[i].second ? 0.46 : 0.4567);
        EXPECT_DOUBLE_EQ(e.object(i).Ky, kinds[i].second ? 0.12 : 0.1234);
        EXPECT_DOUBLE_EQ(e.object(i).Sx, 0.4567); // the anchor stays
    }
    EXPECT_TRUE(e.doc.isModified());
}

TEST(ObjectEditor, HandlesOnThePage)
{
    Editing e;
    const int a = e.add(ObjectKind::FixedLabel, 0.3, 0.3);
    e.object(a).Sline = 1;
    e.object(a).Sx = 0.1;
    e.object(a).Sy = 0.1;
    const int b = e.add(ObjectKind::FixedLabel, 0.7, 0.7);
    e.object(b).Sline = 1;
    e.object(b).Sx = 0.9;
    e.object(b).Sy = 0.9;
    e.composer.refreshObjects();

    // The anchor of an object that is not selected lies away from its card.
    EXPECT_EQ(e.editor.handleAt(Editing::at(100, 100)).kind, HandleKind::None);
    const Handle card = e.editor.handleAt(Editing::at(300, 300));
    EXPECT_EQ(card.kind, HandleKind::CardPoint);
    EXPECT_EQ(card.rect, QRect(294, 294, 13, 13));
    const RectD bounds = e.composer.cards().bounds(b);
    const Handle body = e.editor.handleAt(Editing::at((bounds.left + bounds.right) * 500 + 8, 700));
    EXPECT_EQ(body.kind, HandleKind::Card);
    EXPECT_EQ(body.object, b);
    EXPECT_EQ(body.rect.left(), int(std::lround(bounds.left * 1000)) - 4);

    // The selected object's anchor can be taken wherever it lies.
    e.editor.select(a);
    const Handle anchor = e.editor.handleAt(Editing::at(104, 97));
    EXPECT_EQ(anchor.kind, HandleKind::Anchor);
    EXPECT_EQ(anchor.object, a);
    EXPECT_EQ(e.editor.handleAt(Editing::at(107, 97)).kind, HandleKind::None);
    EXPECT_FALSE(e.editor.selectionFrame().isEmpty());
}

TEST(ObjectEditor, ReleasingRoundsToHundredthsUnlessCtrl)
{
    for (const bool ctrl : {false, true}) {
        Editing e;
        const int a = e.add(ObjectKind::QueryLabel, 0.3, 0.3);
        e.composer.refreshObjects();
        const Handle h = e.editor.handleAt(Editing::at(300, 300));
        ASSERT_EQ(h.kind, HandleKind::CardPoint);
        e.editor.beginDrag(h, Editing::at(300, 300));
        EXPECT_EQ(e.editor.selected(), a);
        EXPECT_EQ(e.editor.dragTo(Editing::at(456.7, 301.0), ctrl), a);
        EXPECT_NEAR(e.object(a).Kx, 0.4567, 1e-9);
        EXPECT_EQ(e.editor.fields().cardX, ctrl ? 4567 : 4600);
        EXPECT_EQ(e.editor.endDrag(ctrl), a);
        EXPECT_NEAR(e.object(a).Kx, ctrl ? 0.4567 : 0.46, 1e-9) << ctrl;
        EXPECT_NEAR(e.object(a).Ky, ctrl ? 0.301 : 0.30, 1e-9) << ctrl;
        EXPECT_EQ(e.editor.fields().cardX, ctrl ? 4567 : 4600);
        EXPECT_DOUBLE_EQ(e.object(a).Sx, 0.3); // only the dragged pair moves
        EXPECT_TRUE(e.doc.isModified());
    }

    // A press without movement selects and changes nothing.
    Editing e;
    const int a = e.add(ObjectKind::QueryLabel, 0.3033, 0.3);
    e.composer.refreshObjects();
    e.editor.beginDrag(e.editor.handleAt(Editing::at(303, 300)), Editing::at(303, 300));
    e.editor.endDrag(false);
    EXPECT_EQ(e.editor.selected(), a);
    EXPECT_DOUBLE_EQ(e.object(a).Kx, 0.3033);
    EXPECT_FALSE(e.doc.isModified());
}

TEST(ObjectEditor, DraggingAnAnchorChoosesTheAutomaticSide)
{
    Editing e;
    const int a = e.add(ObjectKind::FixedLabel, 0.5, 0.5);
    e.object(a).Sline = 1;
    e.object(a).Sx = 0.2;
    e.object(a).KAusr = Side::Automatic;
    e.object(a).KAusrAktiv = 0;
    e.editor.select(a);
    e.composer.refreshObjects();
    const Handle anchor = e.editor.handleAt(Editing::at(200, 500));
    ASSERT_EQ(anchor.kind, HandleKind::Anchor);
    e.editor.beginDrag(anchor, Editing::at(201, 502)); // grabbed off centre: the offset stays
    e.editor.dragTo(Editing::at(801, 452), false);
    EXPECT_NEAR(e.object(a).Sx, 0.8, 1e-9);
    EXPECT_NEAR(e.object(a).Sy, 0.45, 1e-9);
    EXPECT_EQ(e.object(a).KAusrAktiv, Side::Left);
}

TEST(ObjectEditor, DraggingTheCardAcrossItsAnchorKeepsItWhereItIsDrawn)
{
    struct Case
    {
        QPointF cardPoint;
        QPointF drag; // screen pixels
        int newSide;
    };
    // Across the anchor in each of the four directions.
    const Case cases[] = {
        {{0.6, 0.5}, {-150, 0}, Side::Left},
        {{0.4, 0.5}, {150, 0}, Side::Right},
        {{0.5, 0.4}, {0, 150}, Side::Bottom},
        {{0.5, 0.6}, {0, -150}, Side::Top},
    };
    for (const Case& c : cases) {
        Editing e;
        const int a = e.add(ObjectKind::FixedLabel, c.cardPoint.x(), c.cardPoint.y());
        ObjDataTyp& o = e.object(a);
        o.Sline = 1;
        o.Sx = 0.5;
        o.Sy = 0.5;
        o.KAusr = Side::Automatic;
        o.KAusrAktiv = 0;
        e.composer.refreshObjects();
        const RectD before = e.composer.cards().bounds(a);
        const QPointF from(c.cardPoint.x() * 1000 + 20, c.cardPoint.y() * 1000);
        e.editor.beginDrag({HandleKind::Card, a, QRect(0, 0, 10, 10)}, Editing::at(from));
        e.editor.dragTo(Editing::at(from + c.drag), false);
        EXPECT_EQ(o.KAusrAktiv, c.newSide);
        // The view follows the drag: the card moved with the pointer and no
        // further, although it now hangs on the other side of its point.
        const RectD after = e.composer.cards().bounds(a);
        EXPECT_NEAR(after.left, before.left + c.drag.x() / 1000, 0.0015);
        EXPECT_NEAR(after.top, before.top + c.drag.y() / 1000, 0.0015);
    }

    // An explicit side is never corrected.
    Editing e;
    const int a = e.add(ObjectKind::FixedLabel, 0.6, 0.5);
    e.object(a).Sline = 1;
    e.object(a).Sx = 0.5;
    e.object(a).KAusr = Side::Right;
    e.object(a).KAusrAktiv = Side::Right;
    e.composer.refreshObjects();
    e.editor.beginDrag({HandleKind::Card, a, QRect(0, 0, 10, 10)}, Editing::at(620, 500));
    e.editor.dragTo(Editing::at(470, 500), false);
    EXPECT_NEAR(e.object(a).Kx, 0.45, 1e-9);
    EXPECT_EQ(e.object(a).KAusrAktiv, Side::Right);
}

TEST(ObjectEditor, ACardPushedAgainstAPageEdgeKeepsItsGrip)
{
    // Pushed 200 pixels beyond each edge and brought back 100: the card
    // stays at the edge until the pointer is back where it met it.
    const struct
    {
        QPointF push; // screen pixels beyond the edge
        double Kx, Ky;
    } cases[] = {
        {{-700, 0}, 0.0, 0.5},
        {{700, 0}, 1.0, 0.5},
        {{0, -700}, 0.5, 0.0},
        {{0, 700}, 0.5, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Kx * 10 + c.Ky);
        Editing e;
        const int a = e.add(ObjectKind::FixedLabel, 0.5, 0.5);
        e.object(a).KAusr = Side::Right;
        e.composer.refreshObjects();
        const QPointF from(500, 500);
        e.editor.beginDrag({HandleKind::Card, a, QRect(0, 0, 10, 10)}, Editing::at(from));
        e.editor.dragTo(Editing::at(from + c.push), true);
        EXPECT_DOUBLE_EQ(e.object(a).Kx, c.Kx);
        EXPECT_DOUBLE_EQ(e.object(a).Ky, c.Ky);
        e.editor.dragTo(Editing::at(from + c.push * 0.9), true); // 70 back: still beyond
        EXPECT_DOUBLE_EQ(e.object(a).Kx, c.Kx);
        EXPECT_DOUBLE_EQ(e.object(a).Ky, c.Ky);
        e.editor.dragTo(Editing::at(from + c.push / 7), true); // 100 from where it started
        EXPECT_NEAR(e.object(a).Kx, 0.5 + c.push.x() / 7000, 1e-9);
        EXPECT_NEAR(e.object(a).Ky, 0.5 + c.push.y() / 7000, 1e-9);
    }
}

TEST(ObjectEditor, TransformationOfAllObjects)
{
    Editing e;
    const int label = e.add(ObjectKind::QueryLabel, 0.6, 0.2);
    e.object(label).Sx = 0.9;
    const int gap = e.add(ObjectKind::GapCard, 0.6, 0.2);
    const int question = e.add(ObjectKind::McQuestion, 0.6, 0.2);
    e.composer.refreshObjects();
    e.editor.select(label);
    e.edit([](EditorFields& f) { f.text = QStringLiteral("vorher angewandt"); });

    e.editor.transform({0.5, 2.0, 1000, -500});
    EXPECT_EQ(e.editor.selected(), -1);
    EXPECT_EQ(e.object(label).Text, QStringLiteral("vorher angewandt"));
    EXPECT_NEAR(e.object(label).Kx, 0.4, 1e-12);
    EXPECT_NEAR(e.object(label).Sx, 0.55, 1e-12);
    EXPECT_NEAR(e.object(label).Ky, 0.35, 1e-12);
    // The view follows: the card is drawn at its new place.
    const RectD card = e.composer.cards().bounds(label);
    EXPECT_NEAR((card.left + card.right) / 2, 0.4, 0.002);
    EXPECT_DOUBLE_EQ(e.object(gap).Kx, 0.6);
    EXPECT_DOUBLE_EQ(e.object(question).Kx, 0.6);

    // Positions stay on the page.
    transformObjects(e.doc, {3.0, -1.0, 0, 0});
    EXPECT_DOUBLE_EQ(e.object(label).Kx, 1.0);
    EXPECT_DOUBLE_EQ(e.object(label).Ky, 0.0);
}

TEST(ObjectEditor, RelativePaths)
{
    const QString doc = QStringLiteral("/themen/erdkunde/fluesse.vlt");
    EXPECT_EQ(pathRelativeToDocument(QStringLiteral("/themen/erdkunde/karten/rhein.pdf"), doc),
              QStringLiteral("karten/rhein.pdf"));
    EXPECT_EQ(pathRelativeToDocument(QStringLiteral("/themen/bio/zelle.vlt"), doc),
              QStringLiteral("../bio/zelle.vlt"));
    EXPECT_EQ(pathRelativeToDocument(QStringLiteral("https://example.org/a"), doc),
              QStringLiteral("https://example.org/a"));
    EXPECT_EQ(pathRelativeToDocument(QStringLiteral("/a/b.pdf"), QString()),
              QStringLiteral("/a/b.pdf"));
}
