#include "content/cluster/ui/gaptableeditor.h"
#include "content/crossassign/pairlayout.h"
#include "content/ui/cellgrid.h"
#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "platform/prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace velunto;

namespace {

void chooseKind(CellGrid* grid, int row, int column, int art)
{
    QComboBox* kind = grid->kindList(row, column);
    kind->setCurrentIndex(kind->findData(art));
    Q_EMIT kind->activated(kind->currentIndex());
}

int countKind(const Document& doc, int kind)
{
    return int(std::count_if(doc.objects.begin(), doc.objects.end(),
                             [kind](const ObjDataTyp& o) { return o.Typ == kind; }));
}

} // namespace

TEST(ClusterEditor, BasketsWithTheirBackgroundsAndCells)
{
    Document doc;
    prepareNewCluster(doc);
    doc.header.LueckenTabelleZeilen = 2;
    doc.header.LueckenTabelle[0][0].Text = QStringLiteral("Obst");
    doc.header.LueckenTabelle[0][0].Art = 0;
    ScriptedPrompter prompter;
    GapTableEditor editor(GapTableEditor::Type::Cluster, doc, prompter);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Cluster-Übung bearbeiten"));
    CellGrid* grid = editor.grid();

    editor.columnsBox()->setValue(3);
    EXPECT_EQ(editor.columnsBox()->maximum(), 5);
    ASSERT_NE(editor.basketButton(2), nullptr);
    EXPECT_TRUE(editor.basketButton(2)->isVisible());
    editor.columnsBox()->setValue(2);
    EXPECT_FALSE(editor.basketButton(2)->isVisible());
    editor.columnsBox()->setValue(3);

    // The basket panel of the second basket: colour and opacity.
    editor.basketButton(1)->click();
    BasketPanel* panel = editor.basketPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->opacityList()->currentText(), QStringLiteral("50%"));
    EXPECT_EQ(panel->opacityList()->itemText(0), QStringLiteral("transparent"));
    EXPECT_EQ(panel->opacityList()->itemText(10), QStringLiteral("deckend"));
    prompter.colours = {0x00FF00};
    panel->colourButton()->click();
    panel->opacityList()->setCurrentIndex(10);
    editor.basketButton(2)->click(); // another basket keeps the first one's values
    panel->opacityList()->setCurrentIndex(0);

    grid->textField(1, 0)->setPlainText(QStringLiteral("Apfel"));
    grid->textField(1, 2)->setPlainText(QStringLiteral("Nuss"));
    // A query picture: choosing its kind opens the picture panel.
    chooseKind(grid, 1, 1, 3);
    ASSERT_TRUE(grid->picturePanel()->isVisibleTo(grid));
    EXPECT_TRUE(grid->picturePanel()->identifierField()->isVisibleTo(grid->picturePanel()));
    QImage carrot(10, 6, QImage::Format_ARGB32);
    carrot.fill(Qt::red);
    QApplication::clipboard()->setImage(carrot);
    grid->picturePanel()->button(QStringLiteral("aus Zwisch.abl."))->click();
    grid->picturePanel()->identifierField()->setText(QStringLiteral("Karotte"));
    editor.linesBox()->setChecked(true);

    editor.reject(); // No: the editor stays
    EXPECT_TRUE(editor.isVisible());
    editor.accept();

    const HeaderDataTyp& h = doc.header;
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(h.LueckenTabelleSpalten, 3);
    EXPECT_EQ(h.LueckenTabelleLinie, 1);
    EXPECT_EQ(h.SpaltenHtgd[1], (SpaltenHtgdEntry{0x00FF00, 100}));
    EXPECT_EQ(h.SpaltenHtgd[2].value, 0);
    EXPECT_EQ(h.LueckenTabelle[1][1].BildKenn, QStringLiteral("Karotte"));
    EXPECT_EQ(countKind(doc, ObjectKind::ClusterFixedText), 1);
    EXPECT_EQ(countKind(doc, ObjectKind::ClusterQueryText), 2);
    EXPECT_EQ(countKind(doc, ObjectKind::ClusterQueryImage), 1);
}

TEST(PairEditor, RowsOfTwoOrThreeAndPicturesWithOnlyASize)
{
    Document doc;
    prepareNewPairs(doc);
    doc.header.LueckenTabelleZeilen = 2;
    ScriptedPrompter prompter;
    GapTableEditor editor(GapTableEditor::Type::Pairs, doc, prompter);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Über-Kreuz-Zuordnung bearbeiten"));
    EXPECT_EQ(editor.linesBox(), nullptr);
    EXPECT_EQ(editor.basketButton(0), nullptr);
    EXPECT_EQ(editor.columnsBox()->minimum(), 2);
    EXPECT_EQ(editor.columnsBox()->maximum(), 3);
    CellGrid* grid = editor.grid();

    chooseKind(grid, 0, 1, 2);
    PicturePanel* panel = grid->picturePanel();
    ASSERT_TRUE(panel->isVisibleTo(grid));
    EXPECT_FALSE(panel->identifierField()->isVisibleTo(panel));
    EXPECT_FALSE(panel->fitBox()->isVisibleTo(panel));
    EXPECT_TRUE(panel->sizeList()->isVisibleTo(panel));
    panel->sizeList()->setCurrentIndex(panel->sizeList()->findData(40));
    panel->button(QStringLiteral("Schließen"))->click(); // no picture: an empty static text
    grid->textField(0, 0)->setPlainText(QStringLiteral("Hund"));
    grid->textField(1, 0)->setPlainText(QStringLiteral("Katze"));
    grid->textField(1, 1)->setPlainText(QStringLiteral("miaut"));

    editor.button(QStringLiteral("Alles löschen"))->click();
    EXPECT_EQ(grid->cells()[1][1].Art, 1);
    EXPECT_TRUE(grid->cells()[1][0].Text.isEmpty());
    grid->textField(0, 0)->setPlainText(QStringLiteral("Hund"));
    grid->textField(0, 1)->setPlainText(QStringLiteral("bellt"));

    bool marginsShown = false;
    editor.setDialogRunner([&](QDialog& dialog) {
        marginsShown = qobject_cast<MarginsDialog*>(&dialog) != nullptr;
        return int(QDialog::Rejected);
    });
    editor.button(QStringLiteral("Ränder..."))->click();
    EXPECT_TRUE(marginsShown);
    EXPECT_FALSE(editor.pageChanged());

    editor.accept();
    EXPECT_EQ(doc.header.DokTyp, DokTyp::CrossAssign);
    EXPECT_EQ(doc.header.LueckenTabelle[0][1].Text, QStringLiteral("bellt"));
    EXPECT_EQ(countKind(doc, ObjectKind::PairQueryText), 4); // two rows of two query texts
}
