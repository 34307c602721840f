#include "common/numeric.h"
#include "document/document.h"
#include "document/picturefile.h"
#include "platform/prompter.h"
#include "view/pagegeometry.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace velunto;
using Answer = Prompter::Answer;

namespace {

void send(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons held,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, held, modifiers);
    QApplication::sendEvent(w, &e);
}

struct EditorWindow
{
    Document doc;
    Session session;
    ScriptedPrompter prompter;
    QWidget main;
    LearningView* view;
    ObjectEditorWindow* editor;

    EditorWindow()
    {
        doc.baseImage = QImage(800, 500, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::darkGray);
        derivePageGeometry(doc.header, doc.baseImage.size());
        main.resize(800, 500);
        view = new LearningView(doc, session, prompter, &main);
        view->resize(800, 500);
        editor = new ObjectEditorWindow(doc, *view, prompter, &main);
    }

    int addLabel(double x, double y, const QString& text)
    {
        const int i = doc.addGeneratedObject(ObjectKind::QueryLabel, Layer::TextsAndImages, text,
                                             -1, x, y, Side::Centre, 0);
        return i;
    }

    ObjDataTyp& object(int i) { return doc.objects[std::size_t(i)]; }

    QPoint screen(double fx, double fy) const { return view->state().pageToScreen(fx, fy); }

    // The widget of a kind with this caption that the editor shows now.
    template <typename W> W* shown(const QString& caption) const
    {
        for (W* w : editor->findChildren<W*>())
            if (w->text() == caption && w->isVisibleTo(editor))
                return w;
        return nullptr;
    }

    QPlainTextEdit* text() const { return editor->findChild<QPlainTextEdit*>(); }
    QSpinBox* cardX() const { return editor->findChild<QSpinBox*>(QStringLiteral("positionX")); }
};

} // namespace

TEST(ObjectEditorWindow, OpenNewTypeAndStyleATag)
{
    EditorWindow w;
    const int covered = w.addLabel(0.2, 0.2, QStringLiteral("verdeckt"));
    w.view->documentLoaded();
    ASSERT_EQ(w.object(covered).Abdeckung, -1);

    w.editor->open();
    EXPECT_TRUE(w.session.editorOpen());
    EXPECT_EQ(w.object(covered).Abdeckung, 0);
    EXPECT_FALSE(w.text()->isEnabled());
    EXPECT_FALSE(w.shown<QPushButton>(QStringLiteral("&Duplizieren"))->isEnabled());
    EXPECT_FALSE(w.shown<QPushButton>(QStringLiteral("&Einfügen"))->isEnabled());

    w.editor->newObject(ObjectKind::QueryLabel);
    ASSERT_EQ(w.doc.objectCount(), 2);
    EXPECT_TRUE(w.text()->isEnabled());
    EXPECT_EQ(w.text()->textCursor().selectedText(), QStringLiteral("NEU"));
    const RectD before = w.view->composer().cards().bounds(1);
    ASSERT_NE(before.left, -1.0);

    w.text()->setPlainText(QStringLiteral("Rhein und Main\nFluss"));
    EXPECT_EQ(w.object(1).Text, QStringLiteral("Rhein und Main\r\nFluss"));
    EXPECT_NE(w.view->composer().cards().bounds(1), before); // previewed at once
    EXPECT_TRUE(w.doc.isModified());

    // A kind button keeps the layer and shows the kind's panels.
    w.shown<QToolButton>(QStringLiteral("Info- punkt"))->click();
    EXPECT_EQ(w.object(1).Typ, ObjectKind::InfoPoint);
    EXPECT_EQ(w.object(1).Ebene, Layer::TextsAndImages);
    ASSERT_NE(w.shown<QPushButton>(QStringLiteral("Fett <b>...</b>")), nullptr);
    EXPECT_EQ(w.shown<QPushButton>(QStringLiteral("Durchsuchen...")), nullptr);

    QTextCursor cursor = w.text()->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(6, QTextCursor::KeepAnchor); // "Rhein "
    w.text()->setTextCursor(cursor);
    w.shown<QPushButton>(QStringLiteral("Fett <b>...</b>"))->click();
    EXPECT_EQ(w.object(1).Text, QStringLiteral("<b>Rhein</b> und Main\r\nFluss"));
    EXPECT_EQ(w.text()->textCursor().selectedText(), QStringLiteral("<b>Rhein</b>"));

    w.editor->closeEditor();
    EXPECT_FALSE(w.session.editorOpen());
    EXPECT_FALSE(w.editor->isVisible());
}

TEST(ObjectEditorWindow, SelectDragAndReleaseOnThePage)
{
    EditorWindow w;
    const int a = w.addLabel(0.3, 0.4, QStringLiteral("Alpha"));
    const int b = w.addLabel(0.7, 0.4, QStringLiteral("Beta"));
    w.view->documentLoaded();
    w.editor->open();

    // Hovering over a card shows its handle.
    const RectD bounds = w.view->composer().cards().bounds(b);
    const QPointF overB = w.view->state().pageToScreen(bounds.left, 0.4) + QPointF(3, 0);
    send(w.view, QEvent::MouseMove, overB, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w.editor->hoveredHandle().kind, HandleKind::Card);
    EXPECT_EQ(w.view->cursor().shape(), Qt::PointingHandCursor);

    // A right press selects without moving anything; the list follows.
    send(w.view, QEvent::MouseButtonPress, overB, Qt::RightButton, Qt::RightButton);
    send(w.view, QEvent::MouseButtonRelease, overB, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(w.editor->editor().selected(), b);
    EXPECT_EQ(w.object(b).Abdeckung, 0); // never uncovered or covered by the editor's clicks

    // Dragging the card point of a; release rounds to hundredths.
    const QPointF start = w.screen(0.3, 0.4);
    send(w.view, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(w.editor->editor().selected(), a);
    const QPointF target = start + QPointF(81, 13);
    send(w.view, QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
    const QPointF page = w.view->state().screenToPage(target);
    EXPECT_NEAR(w.object(a).Kx, page.x(), 1e-9);
    EXPECT_EQ(w.cardX()->value(), rnd(roundToHundredth(page.x()) * 10000));
    send(w.view, QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
    EXPECT_DOUBLE_EQ(w.object(a).Kx, roundToHundredth(page.x()));
    EXPECT_DOUBLE_EQ(w.object(a).Ky, roundToHundredth(page.y()));

    // With Ctrl the position stays as dragged.
    const QPointF again = w.screen(w.object(a).Kx, w.object(a).Ky);
    send(w.view, QEvent::MouseButtonPress, again, Qt::LeftButton, Qt::LeftButton);
    send(w.view, QEvent::MouseMove, again + QPointF(7, 0), Qt::NoButton, Qt::LeftButton,
         Qt::ControlModifier);
    send(w.view, QEvent::MouseButtonRelease, again + QPointF(7, 0), Qt::LeftButton, Qt::NoButton,
         Qt::ControlModifier);
    const double exact = w.view->state().screenToPage(again + QPointF(7, 0)).x();
    EXPECT_DOUBLE_EQ(w.object(a).Kx, exact);
    EXPECT_EQ(w.cardX()->value(), rnd(exact * 10000));

    // After closing, a click uncovers again instead of selecting.
    w.editor->closeEditor();
    w.view->coverAll();
    send(w.view, QEvent::MouseButtonPress, w.screen(0.7, 0.4), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(w.object(b).Abdeckung, 0);
}

TEST(ObjectEditorWindow, DeleteAsksWithTheObjectsName)
{
    EditorWindow w;
    for (int i = 0; i < 3; ++i)
        w.addLabel(0.2 + 0.3 * i, 0.5, QStringLiteral("Wort %1").arg(i));
    w.view->documentLoaded();
    w.editor->open();
    w.editor->deleteSelected();
    EXPECT_TRUE(w.prompter.shown.empty());

    w.editor->selectObject(1);
    w.prompter.answers = {Answer::No, Answer::Yes};
    w.editor->deleteSelected();
    EXPECT_EQ(w.doc.objectCount(), 3);
    w.editor->deleteSelected();
    EXPECT_EQ(w.prompter.texts(),
              QStringList(2, QStringLiteral("Soll die Beschriftung \"Wort 1\" (ID 1) wirklich "
                                            "gelöscht werden?")));
    ASSERT_EQ(w.doc.objectCount(), 2);
    EXPECT_EQ(w.object(1).Text, QStringLiteral("Wort 2"));
    EXPECT_EQ(w.editor->editor().selected(), -1);

    w.prompter.shown.clear();
    w.editor->duplicate();
    EXPECT_EQ(w.prompter.texts(),
              QStringList{QStringLiteral("Funktion nicht möglich, da kein Objekt markiert.")});
}

TEST(ObjectEditorWindow, PicturesFromFileAndClipboard)
{
    EditorWindow w;
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("karte.png"));
    QImage source(40, 20, QImage::Format_ARGB32);
    source.fill(QColor(10, 200, 30, 128));
    ASSERT_TRUE(source.save(png));

    w.view->documentLoaded();
    w.editor->open();
    w.editor->newObject(ObjectKind::FixedImage);
    QPushButton* fromFile = w.shown<QPushButton>(QStringLiteral("aus Datei..."));
    ASSERT_NE(fromFile, nullptr);

    w.prompter.files = {dir.filePath(QStringLiteral("karte.gif")), png};
    fromFile->click();
    EXPECT_EQ(w.prompter.texts(),
              QStringList{QStringLiteral(
                  "Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")});
    fromFile->click();
    EXPECT_EQ(w.object(0).Bild.size(), QSize(40, 20));
    EXPECT_EQ(w.object(0).Bild.pixelColor(3, 3).alpha(), 128);

    w.prompter.shown.clear();
    QApplication::clipboard()->clear();
    w.shown<QPushButton>(QStringLiteral("aus Zwisch.abl."))->click();
    EXPECT_EQ(w.prompter.texts(),
              QStringList{QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik.")});
    EXPECT_EQ(w.object(0).Bild.size(), QSize(40, 20));

    QImage clip(8, 6, QImage::Format_RGB32);
    clip.fill(Qt::red);
    QApplication::clipboard()->setImage(clip);
    w.shown<QPushButton>(QStringLiteral("aus Zwisch.abl."))->click();
    EXPECT_EQ(w.object(0).Bild.size(), QSize(8, 6));
}

TEST(ObjectEditorWindow, LinkFilesAreChosenWithTheDocumentDialog)
{
    EditorWindow w;
    w.doc.header.FileName = QStringLiteral("/themen/erdkunde/fluesse.vlt");
    w.view->documentLoaded();
    w.editor->open();
    w.editor->newObject(ObjectKind::DocumentLink);
    w.prompter.files = {QStringLiteral("/themen/erdkunde/rhein.vlt")};
    w.shown<QPushButton>(QStringLiteral("Durchsuchen..."))->click();
    ASSERT_EQ(w.prompter.fileRequests.size(), 1u);
    const Prompter::FileRequest& document = w.prompter.fileRequests[0];
    EXPECT_EQ(document.title, QStringLiteral("Zu verknüpfendes Velunto-Dokument auswählen"));
    EXPECT_EQ(document.defaultSuffix, QStringLiteral("vlt"));
    EXPECT_EQ(document.filterIndex, 0);
    EXPECT_EQ(w.object(0).Text, QStringLiteral("/themen/erdkunde/rhein.vlt"));
    w.shown<QPushButton>(QStringLiteral("In relativen Pfad umwandeln"))->click();
    EXPECT_EQ(w.object(0).Text, QStringLiteral("rhein.vlt"));

    w.shown<QToolButton>(QStringLiteral("Link ext."))->click();
    EXPECT_EQ(w.object(0).Text, QStringLiteral("rhein.vlt"));
    w.shown<QPushButton>(QStringLiteral("Durchsuchen..."))->click();
    ASSERT_EQ(w.prompter.fileRequests.size(), 2u);
    const Prompter::FileRequest& file = w.prompter.fileRequests[1];
    EXPECT_EQ(file.title, QStringLiteral("Zu verknüpfende Datei auswählen"));
    EXPECT_TRUE(file.defaultSuffix.isEmpty());
    EXPECT_EQ(file.filters.value(file.filterIndex), QStringLiteral("Alle Dateien (*.*)"));
    // A relative path starts in the document's folder, not where the
    // program was started.
    EXPECT_EQ(file.directory, QStringLiteral("/themen/erdkunde/rhein.vlt"));
    EXPECT_EQ(w.object(0).Text, QStringLiteral("rhein.vlt")); // cancelled: unchanged
}

TEST(ObjectEditorWindow, TheListSelectsWhatThePageLetsTheEditorPick)
{
    EditorWindow w;
    w.addLabel(0.3, 0.3, QStringLiteral("Alpha"));
    w.doc.addGeneratedObject(ObjectKind::McQuestion, Layer::TextsAndImages, QStringLiteral("Frage"),
                             1, 0.5, 0.5, Side::Centre, 0);
    w.object(1).BildDeck = 40;
    w.view->documentLoaded();
    w.editor->open();
    auto* list = w.editor->findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(1)->text().contains(QStringLiteral("Frage")));
    EXPECT_EQ(list->item(1)->flags(), Qt::NoItemFlags);

    list->setCurrentRow(0);
    EXPECT_EQ(w.editor->editor().selected(), 0);
    EXPECT_EQ(w.text()->toPlainText(), QStringLiteral("Alpha"));
    list->setCurrentRow(1);
    EXPECT_EQ(w.editor->editor().selected(), 0);
    w.editor->closeEditor();
    EXPECT_EQ(w.object(1).BildDeck, 40); // a content type's object is never written
}
