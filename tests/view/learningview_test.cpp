#include "common/filemessages.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "support/mouse.h"
#include "view/covering.h"
#include "view/pagegeometry.h"
#include "view/ui/baseimagedialog.h"
#include "view/ui/coversheet.h"
#include "view/ui/infobox.h"
#include "view/ui/learningview.h"
#include "view/ui/pageratiodialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QUrl>

using namespace velunto;
using velunto::testing::click;
using velunto::testing::drag;

namespace {

struct Fixture
{
    Document doc;
    Session session;
    ScriptedPrompter prompter;
    QWidget window;
    LearningView* view;

    Fixture()
    {
        doc.baseImage = QImage(800, 500, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::darkGray);
        derivePageGeometry(doc.header, doc.baseImage.size());
        window.resize(800, 500);
        view = new LearningView(doc, session, prompter, &window);
        view->resize(800, 500);
    }

    int add(int kind, double x, double y, const QString& text = QStringLiteral("Wort"))
    {
        ObjDataTyp o;
        o.Typ = kind;
        o.Kx = o.Sx = x;
        o.Ky = o.Sy = y;
        o.Text = text;
        o.KAusr = Side::Centre;
        o.Ebene = Layer::TextsAndImages;
        o.Abdeckung = -1;
        o.PktCap = QStringLiteral("P");
        doc.objects.push_back(o);
        return doc.objectCount() - 1;
    }

    // The centre of an object's card in the widget.
    QPoint at(int index) const
    {
        const RectD b = view->composer().cards().bounds(index);
        return view->state().pageToScreen((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
};

} // namespace

TEST(LearningView, PointerUncoversAndCoversQueryFields)
{
    Fixture f;
    const int query = f.add(ObjectKind::QueryLabel, 0.3, 0.3);
    const int fixed = f.add(ObjectKind::FixedLabel, 0.7, 0.3);
    f.view->documentLoaded();
    EXPECT_EQ(f.doc.objects[query].Nummer, 1);
    const QRgb coveredColour = f.view->shownPicture().pixel(f.at(query) + QPoint(0, -5));

    click(f.view, f.at(query));
    EXPECT_EQ(f.doc.objects[query].Abdeckung, 0);
    EXPECT_NE(f.view->shownPicture().pixel(f.at(query) + QPoint(0, -5)), coveredColour);
    click(f.view, f.at(query));
    EXPECT_EQ(f.doc.objects[query].Abdeckung, -1);
    EXPECT_EQ(f.view->shownPicture().pixel(f.at(query) + QPoint(0, -5)), coveredColour);

    f.doc.objects[fixed].Abdeckung = 0;
    click(f.view, f.at(fixed));
    EXPECT_EQ(f.doc.objects[fixed].Abdeckung, 0);

    // The hand tool pans instead of uncovering.
    f.view->setTool(Tool::Hand);
    click(f.view, f.at(query));
    EXPECT_EQ(f.doc.objects[query].Abdeckung, -1);
    // The middle button uncovers whatever the tool.
    click(f.view, f.at(query), Qt::MiddleButton);
    EXPECT_EQ(f.doc.objects[query].Abdeckung, 0);

    f.view->coverAll();
    EXPECT_EQ(f.doc.objects[fixed].Abdeckung, -1);
    f.view->uncoverAll();
    EXPECT_EQ(f.doc.objects[query].Abdeckung, 0);

    // In an exercise the page does not uncover.
    f.view->coverAll();
    f.view->setTool(Tool::Pointer);
    f.session.setMode(AppMode::Exercise);
    click(f.view, f.at(query));
    EXPECT_EQ(f.doc.objects[query].Abdeckung, -1);
}

TEST(LearningView, ShowsChangesMadeThroughTheCore)
{
    Fixture f;
    const int query = f.add(ObjectKind::QueryLabel, 0.3, 0.3);
    const int fixed = f.add(ObjectKind::FixedLabel, 0.7, 0.3);
    f.view->documentLoaded();
    const QImage before = f.view->shownPicture();

    // Nothing here calls the view: it follows the Document and the session.
    toggleCover(f.doc, query);
    EXPECT_NE(f.view->shownPicture(), before);
    toggleCover(f.doc, query);
    EXPECT_EQ(f.view->shownPicture(), before);

    f.doc.objects[fixed].Text = QStringLiteral("Ein viel längerer Text");
    f.doc.notifyObjectChanged(fixed, ObjectAspect::Text);
    EXPECT_NE(f.view->shownPicture(), before);
    EXPECT_EQ(f.view->shownPicture(), f.view->composer().page().copy(
                                          QRect(f.view->state().visibleOrigin(), QSize(800, 500))));

    f.doc.setBaseImage(Document::blankPicture(0x0000FF));
    EXPECT_EQ(f.view->shownPicture().pixel(5, 5), qRgb(255, 0, 0));
}

TEST(LearningView, ZoomAndPanning)
{
    Fixture f;
    f.view->documentLoaded();
    std::vector<int> zooms;
    QObject::connect(f.view, &LearningView::zoomChanged, [&](int z) { zooms.push_back(z); });
    f.view->zoomIn();
    f.view->zoomIn();
    f.view->zoomIn();
    EXPECT_EQ(zooms, (std::vector<int>{2, 4}));
    EXPECT_EQ(f.view->composer().page().size(), QSize(1600, 1000));
    EXPECT_EQ(f.view->shownPicture().size(), QSize(800, 500));

    // Dragging with the right button moves the visible part with the mouse.
    const RectD before = f.view->state().ansicht();
    drag(f.view, QPoint(400, 250), QPoint(480, 250), Qt::RightButton);
    EXPECT_NEAR(f.view->state().ansicht().left, before.left - 80.0 / 1600.0, 1e-12);
    // The shown picture follows.
    EXPECT_EQ(f.view->shownPicture(), f.view->composer().page().copy(
                                          QRect(f.view->state().visibleOrigin(), QSize(800, 500))));

    f.view->scroll(ScrollDirection::Right);
    EXPECT_GT(f.view->state().ansicht().left, before.left - 80.0 / 1600.0);

    // Loading a document goes back to 100 %.
    f.view->documentLoaded();
    EXPECT_EQ(f.view->state().zoomIndex(), 0);
    EXPECT_EQ(zooms.back(), 0);
}

TEST(LearningView, PointsAndLinksOpen)
{
    Fixture f;
    QTemporaryDir dir;
    QFile(dir.filePath("weiter.vlt")).open(QIODevice::WriteOnly);
    f.view->setLinkFolders([&] { return LinkFolders{dir.path(), {}, {}, {}}; });
    QStringList opened;
    f.view->setOpener([&](const QString& t) {
        opened << t;
        return true;
    });
    QStringList documents;
    QObject::connect(f.view, &LearningView::documentLinkActivated,
                     [&](const QString& p) { documents << p; });

    const int info = f.add(ObjectKind::InfoPoint, 0.2, 0.5, QStringLiteral("<b>Zelle</b>: klein"));
    const int ext = f.add(ObjectKind::ExternalLink, 0.4, 0.5, QStringLiteral("https://a.de"));
    f.doc.objects[ext].BildKenn = QStringLiteral("pw");
    const int docLink = f.add(ObjectKind::DocumentLink, 0.6, 0.5, QStringLiteral("weiter.vlt"));
    for (ObjDataTyp& o : f.doc.objects)
        o.Ebene = Layer::InfoPoints;
    f.view->documentLoaded();

    click(f.view, f.at(info));
    InfoBox* box = f.window.findChild<InfoBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isHidden());
    EXPECT_EQ(box->plainText(), QString("Zelle: klein"));

    f.prompter.entries = {QString("pw")};
    click(f.view, f.at(ext));
    EXPECT_EQ(opened, QStringList{"https://a.de"});

    click(f.view, f.at(docLink));
    EXPECT_EQ(documents, QStringList{dir.filePath("weiter.vlt")});

    // A link the system cannot open is reported.
    f.view->setOpener([](const QString&) { return false; });
    f.prompter.entries = {QString("pw")};
    click(f.view, f.at(ext));
    EXPECT_EQ(
        f.prompter.texts().last(),
        QString("Die Datei oder Internet-Adresse \"https://a.de\" kann nicht geöffnet werden."));

    // With the layer "Infopunkte" off nothing opens.
    f.view->setLayer(Layer::InfoPoints, false);
    click(f.view, QPoint(f.at(docLink)));
    EXPECT_EQ(documents.size(), 1);
}

// Records what the desktop is asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

TEST(LearningView, LinksGoToTheDesktopHandlerAndNeverStartAProgram)
{
    Fixture f; // the view's own opener
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("start.sh"));
    const QString marker = dir.filePath(QStringLiteral("gestartet"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    f.view->setLinkFolders([&] { return LinkFolders{dir.path() + u'/', {}, {}, {}}; });
    const int link = f.add(ObjectKind::ExternalLink, 0.4, 0.5, QStringLiteral("start.sh"));
    f.doc.objects[link].Ebene = Layer::InfoPoints;
    f.view->documentLoaded();

    UrlRecorder desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    click(f.view, f.at(link));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(script)});
    EXPECT_TRUE(f.prompter.texts().isEmpty());
}

TEST(LearningView, InfoBoxKeepsToItsHeightAndReportsAFailedExport)
{
    ScriptedPrompter prompter;
    QWidget window;
    window.resize(1200, 900);
    InfoBox box(prompter, &window);
    const QStringList lines(80, QStringLiteral("Die Zelle ist die kleinste Einheit des Lebens."));
    box.showText(lines.join(QStringLiteral("\r\n")), QStringLiteral("Arial"));
    EXPECT_EQ(box.height(), 566); // text area, margins and buttons together
    box.showText(QStringLiteral("Zelle"), QStringLiteral("Arial"));
    EXPECT_LT(box.height(), 200);

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("fehlt/zelle.txt"));
    prompter.files = {target};
    for (QPushButton* b : box.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Exportieren..."))
            b->click();
    EXPECT_EQ(prompter.texts(), QStringList{fileWriteErrorMessage(target)});
}

TEST(LearningView, NavigationButtonsChangeTheQuestion)
{
    Fixture f;
    f.doc.header.AnzFrageNummern = 3;
    const int back = f.add(ObjectKind::NavPrevious, 0.1, 0.9);
    const int next = f.add(ObjectKind::NavNext, 0.3, 0.9);
    const int last = f.add(ObjectKind::NavLast, 0.5, 0.9);
    const int first = f.add(ObjectKind::NavFirst, 0.7, 0.9);
    const int random = f.add(ObjectKind::NavRandom, 0.9, 0.9);
    f.view->documentLoaded();
    auto q = [&] { return f.session.currentQuestion(); };
    click(f.view, f.at(back));
    EXPECT_EQ(q(), 1);
    click(f.view, f.at(next));
    click(f.view, f.at(next));
    click(f.view, f.at(next));
    EXPECT_EQ(q(), 3);
    click(f.view, f.at(first));
    EXPECT_EQ(q(), 1);
    click(f.view, f.at(last));
    EXPECT_EQ(q(), 3);
    for (int i = 0; i < 5; ++i) {
        const int before = q();
        click(f.view, f.at(random));
        EXPECT_NE(q(), before);
        EXPECT_GE(q(), 1);
        EXPECT_LE(q(), 3);
    }
}

TEST(LearningView, CoverSheetMovesAndResizes)
{
    Fixture f;
    f.view->documentLoaded();
    f.view->showCoverSheet();
    CoverSheet* sheet = f.view->findChild<CoverSheet*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(f.view->isCoverSheetShown());
    EXPECT_EQ(sheet->geometry(), f.view->shownRect());

    sheet->setGeometry(100, 100, 200, 150);
    drag(sheet, QPoint(100, 75), QPoint(130, 95), Qt::LeftButton); // inside: move
    EXPECT_EQ(sheet->geometry(), QRect(130, 120, 200, 150));
    drag(sheet, QPoint(198, 75), QPoint(238, 75), Qt::LeftButton); // right edge
    EXPECT_EQ(sheet->geometry(), QRect(130, 120, 240, 150));
    drag(sheet, QPoint(1, 1), QPoint(-9, 11), Qt::LeftButton); // top-left corner
    EXPECT_EQ(sheet->geometry(), QRect(120, 130, 250, 140));

    EXPECT_EQ(CoverSheet::edgesAt({50, 149}, {200, 150}), Qt::BottomEdge);
    EXPECT_EQ(CoverSheet::edgesAt({199, 0}, {200, 150}), Qt::RightEdge | Qt::TopEdge);

    f.view->hideCoverSheet();
    EXPECT_FALSE(f.view->isCoverSheetShown());
}

TEST(PageDialogs, PageRatioDialogValues)
{
    HeaderDataTyp header;
    header.SeitRatioArt = 1;
    header.SeitRatioBreite = 0; // a document without a ratio opens at 10 : 7
    header.SeitRatioHoehe = 0;
    PageRatioDialog dialog(header, PageRatioPresets{0, 4, 3}, true);
    EXPECT_EQ(dialog.documentRatio().breite, 10);
    EXPECT_EQ(dialog.documentRatio().hoehe, 7);
    EXPECT_EQ(dialog.presets().art, 0);
    EXPECT_TRUE(dialog.sheetsFillWindow());

    const auto buttons = dialog.findChildren<QPushButton*>();
    auto press = [&](const QString& text, int which) {
        int seen = 0;
        for (QPushButton* b : buttons)
            if (b->text() == text && seen++ == which)
                b->click();
    };
    press(QStringLiteral("optimiert für Arbeitsblatt (10:12)"), 0);
    press(QStringLiteral("optimiert für Arbeitsblatt (10:12)"), 1);
    EXPECT_EQ(dialog.documentRatio().art, 1);
    EXPECT_EQ(dialog.documentRatio().hoehe, 12);
    EXPECT_EQ(dialog.presets().art, 1);
    EXPECT_EQ(dialog.presets().hoehe, 12);
    dialog.documentControls().pictureRatio->setChecked(true);
    EXPECT_EQ(dialog.documentRatio().art, 0);
    EXPECT_FALSE(dialog.documentControls().width->isEnabled());
}

TEST(PageDialogs, BaseImageDialogWritesTheHeader)
{
    HeaderDataTyp header;
    header.BildGroesse = 80.0;
    header.BasisbildDeck = 70;
    ScriptedPrompter prompter;
    prompter.colours = {0x123456};
    BaseImageDialog dialog(header, prompter);
    EXPECT_EQ(dialog.opacityBox()->currentText(), QString("70%"));
    const auto buttons = dialog.findChildren<QPushButton*>();
    for (QPushButton* b : buttons)
        if (b->text() == QStringLiteral("+ 5 %"))
            b->click();
    dialog.horizontalBox()->setValue(0.0);
    dialog.opacityBox()->setCurrentIndex(10);
    dialog.colourButton()->click();

    HeaderDataTyp result;
    dialog.applyTo(result);
    EXPECT_DOUBLE_EQ(result.BildGroesse, 85.0);
    EXPECT_DOUBLE_EQ(result.BildPosX, 0.0);
    EXPECT_DOUBLE_EQ(result.BildPosY, 50.0);
    EXPECT_EQ(result.BasisbildDeck, 100);
    EXPECT_EQ(result.HtgdCol, 0x123456);
    EXPECT_EQ(dialog.opacityBox()->itemText(0), QString("transparent"));
}

#include "learningview_test.moc"
