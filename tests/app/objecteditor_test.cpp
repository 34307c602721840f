#include "mainwindow_fixture.h"

#include "document/documentfile.h"
#include "document/objectkinds.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"
#include "view/ui/transformdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

using namespace velunto;
using Answer = Prompter::Answer;

namespace {

struct EditorFixture : MainWindowFixture
{
    QString folder() const { return dir.path(); }

    QString writeDocument(const QString& name, const QString& text)
    {
        Document doc;
        doc.addGeneratedObject(ObjectKind::QueryLabel, Layer::TextsAndImages, text, -1, 0.5, 0.5,
                               Side::Centre, 0);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(saveDocument(doc, path).ok);
        return path;
    }

    ObjectEditorWindow& editor() { return window->objectEditor(); }

    template <typename W> W* shown(const QString& caption)
    {
        for (W* w : editor().findChildren<W*>())
            if (w->text() == caption && w->isVisibleTo(&editor()))
                return w;
        ADD_FAILURE() << "no " << caption.toStdString();
        return nullptr;
    }

    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(window.get(), &press);
    }
};

} // namespace

TEST_F(EditorFixture, OpensFromTheMenuOnlyInTheLearningView)
{
    MainWindow& w = start();
    QAction* open = action(QStringLiteral("&Bearbeiten..."));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->shortcut(), QKeySequence(Qt::Key_F3));

    w.setMode(AppMode::Exercise);
    w.openObjectEditor();
    EXPECT_EQ(prompter.texts(),
              QStringList{QStringLiteral("Beschriftungen können nur in der Lernansicht bearbeitet "
                                         "werden.")});
    EXPECT_FALSE(w.isObjectEditorOpen());

    w.setMode(AppMode::LearningView);
    w.view().setLayer(Layer::InfoPoints, false);
    open->trigger();
    EXPECT_TRUE(w.isObjectEditorOpen());
    EXPECT_TRUE(w.view().isLayerShown(Layer::InfoPoints));
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("Beschriftungs- und Bildobjekte bearbeiten"));
}

TEST_F(EditorFixture, LoadingAnotherDocumentWritesNothingIntoIt)
{
    const QString first = writeDocument(QStringLiteral("erstes.vlt"), QStringLiteral("Erstes"));
    const QString second = writeDocument(QStringLiteral("zweites.vlt"), QStringLiteral("Zweites"));
    MainWindow& w = start(first);
    w.openObjectEditor();
    editor().selectObject(0);
    editor().findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("geändert"));
    ASSERT_EQ(w.document().objects[0].Text, QStringLiteral("geändert"));

    ASSERT_TRUE(w.loadDocument(second, true));
    EXPECT_EQ(editor().editor().selected(), -1);
    EXPECT_EQ(w.document().objects[0].Abdeckung, 0); // loaded uncovered while the editor is open
    editor().selectObject(0);
    editor().closeEditor();
    EXPECT_EQ(w.document().objects[0].Text, QStringLiteral("Zweites"));
    EXPECT_FALSE(w.document().isModified());
}

TEST_F(EditorFixture, ArrowKeysMoveTheSelectedObject)
{
    const QString file = writeDocument(QStringLiteral("pfeile.vlt"), QStringLiteral("Pfeil"));
    MainWindow& w = start(file);
    key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Kx, 0.5); // editor closed: nothing moves

    w.openObjectEditor();
    key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Kx, 0.5); // no selection
    editor().selectObject(0);
    key(Qt::Key_Right);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Kx, 0.51);
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Kx, 0.509);
    key(Qt::Key_Up);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Ky, 0.49);
    EXPECT_TRUE(w.document().isModified());
}

TEST_F(EditorFixture, F3WhileOpenPlacesTheWindowAndLeavesTheObject)
{
    const QString file = writeDocument(QStringLiteral("f3.vlt"), QStringLiteral("Feld"));
    MainWindow& w = start(file);
    w.setGeometry(100, 80, 900, 700);
    w.show();
    QAction* open = action(QStringLiteral("&Bearbeiten..."));
    open->trigger();
    editor().selectObject(0);
    const ObjDataTyp before = w.document().objects[0];

    open->trigger(); // F3 again while the editor is open
    EXPECT_EQ(w.document().objects[0].Kx, before.Kx);
    EXPECT_EQ(w.document().objects[0].Ky, before.Ky);
    EXPECT_FALSE(w.document().isModified());
    const QPoint topRight = w.mapToGlobal(QPoint(w.width(), 0));
    const QRect frame = editor().frameGeometry();
    EXPECT_EQ(frame.x() + frame.width(), topRight.x() - 4);
    EXPECT_EQ(frame.y(), topRight.y() + 4);

    // The move command itself still moves the card.
    editor().moveSelected(100, 0);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Kx, 0.51);
}

TEST_F(EditorFixture, APageTransformShowsInTheOpenEditorsFields)
{
    const QString file = writeDocument(QStringLiteral("seite.vlt"), QStringLiteral("Feld"));
    MainWindow& w = start(file);
    w.document().objects[0].Ky = 0.2; // off the middle, which a taller page keeps
    w.openObjectEditor();
    editor().selectObject(0);

    // A worksheet page taller than the picture: the objects move with it.
    HeaderDataTyp& h = w.document().header;
    h.SeitRatioArt = 1;
    h.SeitRatioBreite = 10;
    h.SeitRatioHoehe = 20;
    w.view().applyPageGeometry(true);
    const double moved = w.document().objects[0].Ky;
    ASSERT_NE(moved, 0.5);
    EXPECT_EQ(editor().editor().fields().cardY, int(std::lround(moved * 10000)));

    // The next apply writes what the fields show, not the old place.
    editor().selectObject(-1);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Ky, std::lround(moved * 10000) / 10000.0);

    // Objects removed elsewhere take the selection with them, unwritten.
    editor().selectObject(0);
    w.document().deleteObject(0);
    EXPECT_EQ(editor().editor().selected(), -1);
    EXPECT_EQ(w.document().objectCount(), 0);
}

TEST_F(EditorFixture, TheActiveEditorTakesOverItsShortcuts)
{
    MainWindow& w = start();
    w.openObjectEditor();
    QAction* minimise = action(QStringLiteral("&Minimieren"));
    ASSERT_EQ(minimise->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* save = action(QStringLiteral("&Speichern"));
    const QKeySequence saveKey = save->shortcut();

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&editor(), &activate);
    EXPECT_TRUE(minimise->shortcut().isEmpty());
    EXPECT_EQ(save->shortcut(), saveKey); // no conflict: stays

    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&editor(), &deactivate);
    EXPECT_EQ(minimise->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
}

TEST_F(EditorFixture, TheActiveEditorAnswersItsOwnAltLetters)
{
    MainWindow& w = start();
    w.show();
    w.openObjectEditor();
    QApplication::setActiveWindow(&editor());
    ASSERT_EQ(QApplication::activeWindow(), &editor());

    // Alt+O names "&Objekt" of the editor and "&Optionen" of the main window.
    QShortcutEvent altO(QKeySequence(Qt::ALT | Qt::Key_O), 0, true);
    QApplication::sendEvent(w.menuBar(), &altO);
    ASSERT_NE(editor().menuBar()->activeAction(), nullptr);
    EXPECT_EQ(editor().menuBar()->activeAction()->text(), QStringLiteral("&Objekt"));
    EXPECT_EQ(w.menuBar()->activeAction(), nullptr);
    editor().menuBar()->setActiveAction(nullptr);

    // A letter only the main window knows stays the main window's.
    QShortcutEvent altD(QKeySequence(Qt::ALT | Qt::Key_D), 0, true);
    QApplication::sendEvent(w.menuBar(), &altD);
    EXPECT_EQ(editor().menuBar()->activeAction(), nullptr);
}

TEST_F(EditorFixture, DeleteAllAndTransformFromTheMenu)
{
    MainWindow& w = start();
    action(QStringLiteral("Alle &löschen"))->trigger();
    action(QStringLiteral("&Transformieren..."))->trigger();
    EXPECT_EQ(
        prompter.texts(),
        (QStringList{QStringLiteral("Es sind keine zu löschenden Objekte vorhanden."),
                     QStringLiteral("Es sind keine zu transformierenden Objekte vorhanden.")}));

    w.openObjectEditor();
    editor().newObject(ObjectKind::QueryLabel);
    editor().newObject(ObjectKind::InfoPoint);
    const double kx = w.document().objects[0].Kx;

    {
        const ScopedDialogRunner answer([](QDialog& shown) {
            auto* dialog = qobject_cast<TransformDialog*>(&shown);
            EXPECT_NE(dialog, nullptr);
            if (dialog == nullptr)
                return int(QDialog::Rejected);
            dialog->factorX()->setValue(0.5);
            dialog->offsetX()->setValue(1000);
            return int(QDialog::Accepted);
        });
        action(QStringLiteral("&Transformieren..."))->trigger();
    }
    EXPECT_EQ(editor().editor().selected(), -1);
    EXPECT_NEAR(w.document().objects[0].Kx, 0.5 * kx + 0.1, 1e-9);

    prompter.shown.clear();
    prompter.answers = {Answer::Yes};
    editor().selectObject(1);
    action(QStringLiteral("Alle &löschen"))->trigger();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_TRUE(w.document().objects.empty());
    EXPECT_EQ(editor().editor().selected(), -1);
}

// A new author builds a labelling exercise on a picture from a file, saves,
// closes and opens it again. With VELUNTO_SESSION_SHOTS set to a folder, the
// windows are saved there as pictures at each step, and the document too.
TEST_F(EditorFixture, LabellingExerciseRoundTrip)
{
    const QString shots = qEnvironmentVariable("VELUNTO_SESSION_SHOTS");
    const auto shoot = [&](const QString& name) {
        if (shots.isEmpty())
            return;
        QApplication::processEvents();
        window->grab().save(shots + u'/' + name + QStringLiteral("-hauptfenster.png"));
        if (editor().isVisible())
            editor().grab().save(shots + u'/' + name + QStringLiteral("-editor.png"));
    };

    // A map: water and two land masses.
    const QString map = dir.filePath(QStringLiteral("karte.png"));
    {
        QImage picture(900, 600, QImage::Format_RGB32);
        picture.fill(QColor(0x9C, 0xC8, 0xE8));
        QPainter p(&picture);
        p.setBrush(QColor(0xC8, 0xDC, 0x96));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(60, 80, 380, 420));
        p.drawEllipse(QRect(520, 140, 320, 330));
        p.setPen(QPen(QColor(0x30, 0x60, 0xC0), 9));
        p.drawLine(200, 120, 330, 470);
        ASSERT_TRUE(picture.save(map));
    }
    const QString photo = dir.filePath(QStringLiteral("leuchtturm.jpg"));
    {
        QImage picture(120, 160, QImage::Format_RGB32);
        picture.fill(QColor(0xF0, 0xE6, 0xD2));
        QPainter p(&picture);
        p.fillRect(QRect(45, 30, 30, 120), QColor(0xD0, 0x20, 0x20));
        p.fillRect(QRect(45, 70, 30, 20), Qt::white);
        ASSERT_TRUE(picture.save(photo));
    }

    MainWindow& w = start();
    w.show();
    prompter.files = {map};
    w.baseImageFromFile();
    action(QStringLiteral("&Bearbeiten..."))->trigger();
    ASSERT_TRUE(w.isObjectEditorOpen());
    shoot(QStringLiteral("1-leer"));

    const auto setText = [&](const QString& text) {
        editor().findChild<QPlainTextEdit*>()->setPlainText(text);
    };
    const auto field = [&](const char* name) {
        return editor().findChild<QWidget*>(QString::fromLatin1(name));
    };
    const auto place = [&](int ax, int ay, int kx, int ky) {
        const char* const names[] = {"ankerX", "ankerY", "positionX", "positionY"};
        const int values[] = {ax, ay, kx, ky};
        for (int i = 0; i < 4; ++i)
            static_cast<QSpinBox*>(field(names[i]))->setValue(values[i]);
    };

    editor().newObject(ObjectKind::QueryLabel);
    setText(QStringLiteral("Westinsel"));
    place(2500, 5000, 1200, 8800);
    editor().newObject(ObjectKind::QueryLabel);
    setText(QStringLiteral("Fluss"));
    place(2900, 4500, 4700, 3000);
    editor().newObject(ObjectKind::FixedImage);
    static_cast<QComboBox*>(field("textgroesse"))->setCurrentIndex(8 + 30); // "+30"
    prompter.files = {photo};
    shown<QPushButton>(QStringLiteral("aus Datei..."))->click();
    static_cast<QLineEdit*>(field("bildkennung"))->setText(QStringLiteral("turm"));
    place(7500, 3000, 8800, 1800);
    editor().newObject(ObjectKind::InfoPoint);
    setText(QStringLiteral("Der Fluss ist <b>120 km</b> lang.\r\nEr mündet ins Meer."));
    static_cast<QLineEdit*>(field("punkttitel"))->setText(QStringLiteral("Fluss"));
    place(3100, 5500, 4200, 6400);
    editor().newObject(ObjectKind::ExternalLink);
    static_cast<QLineEdit*>(field("datei"))->setText(QStringLiteral("https://example.org/karte"));
    place(7000, 6000, 8000, 8500);
    shoot(QStringLiteral("2-bearbeitet"));

    const Document made = w.document();
    ASSERT_EQ(made.objectCount(), 5);
    const QString file = dir.filePath(QStringLiteral("inseln.vlt"));
    prompter.files = {file};
    for (QAction* a : editor().actions())
        if (a->text() == QStringLiteral("&Speichern"))
            a->trigger();
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_FALSE(w.document().isModified());

    editor().closeEditor();
    w.closeDocument();
    EXPECT_TRUE(w.document().objects.empty());
    ASSERT_TRUE(w.loadDocument(file, true));
    shoot(QStringLiteral("3-wieder-geoeffnet"));
    if (!shots.isEmpty())
        QFile::copy(file, shots + QStringLiteral("/inseln.vlt"));

    const Document& read = w.document();
    ASSERT_EQ(read.objectCount(), 5);
    for (int i = 0; i < 5; ++i) {
        const ObjDataTyp& a = made.objects[std::size_t(i)];
        const ObjDataTyp& b = read.objects[std::size_t(i)];
        EXPECT_EQ(b.Typ, a.Typ) << i;
        EXPECT_EQ(b.Text, a.Text) << i;
        EXPECT_EQ(b.PktCap, a.PktCap) << i;
        EXPECT_EQ(b.BildKenn, a.BildKenn) << i;
        EXPECT_EQ(b.Ebene, a.Ebene) << i;
        EXPECT_EQ(b.Sline, a.Sline) << i;
        EXPECT_DOUBLE_EQ(b.Sx, a.Sx) << i;
        EXPECT_DOUBLE_EQ(b.Sy, a.Sy) << i;
        EXPECT_DOUBLE_EQ(b.Kx, a.Kx) << i;
        EXPECT_DOUBLE_EQ(b.Ky, a.Ky) << i;
    }
    EXPECT_EQ(read.objects[0].Text, QStringLiteral("Westinsel"));
    EXPECT_DOUBLE_EQ(read.objects[0].Kx, 0.12);
    EXPECT_DOUBLE_EQ(read.objects[0].Sy, 0.5);
    EXPECT_EQ(read.objects[2].Typ, ObjectKind::FixedImage);
    EXPECT_EQ(read.objects[2].Bild.size(), QSize(120, 160));
    EXPECT_EQ(read.objects[2].BildKenn, QStringLiteral("turm"));
    EXPECT_EQ(read.objects[2].Fsize, 30);
    EXPECT_EQ(read.objects[3].PktCap, QStringLiteral("Fluss"));
    EXPECT_EQ(read.objects[3].Text,
              QStringLiteral("Der Fluss ist <b>120 km</b> lang.\r\nEr mündet ins Meer."));
    EXPECT_EQ(read.objects[4].Text, QStringLiteral("https://example.org/karte"));
    EXPECT_EQ(read.objects[4].PktCap, QStringLiteral("Link"));
    EXPECT_EQ(read.baseImage.size(), QSize(900, 600));
}

TEST_F(EditorFixture, OpensWithNothingSelectedEvenWhenTheListTakesTheFocus)
{
    const QString file = writeDocument(QStringLiteral("leer.vlt"), QStringLiteral("Erstes"));
    MainWindow& w = start(file);
    w.openObjectEditor();
    QListWidget* list = editor().findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    // A list that gets the focus from the keyboard or the window's activation
    // makes its first row current; that picks no object.
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::TabFocusReason}) {
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(list, &in);
        EXPECT_EQ(editor().editor().selected(), -1) << reason;
    }
    // Choosing a row does.
    list->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(editor().editor().selected(), 0);
    EXPECT_EQ(w.document().objects[0].Text, QStringLiteral("Erstes"));
}
