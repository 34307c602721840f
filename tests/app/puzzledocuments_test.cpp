// New cluster exercises, cross assignments and crosswords from the author's
// menu: each entry opens its type's editor on a fresh document, OK lays the
// page out, and F2 opens the same editor again.

#include "content/cluster/ui/gaptableeditor.h"
#include "content/crossword/ui/crosswordeditor.h"
#include "content/ui/cellgrid.h"
#include "document/documenttypes.h"
#include "mainwindow_fixture.h"
#include "platform/ui/dialogrunner.h"
#include "view/session.h"
#include "view/ui/learningview.h"

#include <QTableWidget>

using namespace velunto;

namespace {

using Answer = Prompter::Answer;

int countKind(const Document& doc, int kind)
{
    return int(std::count_if(doc.objects.begin(), doc.objects.end(),
                             [kind](const ObjDataTyp& o) { return o.Typ == kind; }));
}

// Fills the first cells of whichever editor opens, and presses OK.
int fillAndAccept(QDialog& dialog)
{
    if (auto* table = qobject_cast<GapTableEditor*>(&dialog)) {
        table->grid()->setCellText(0, 0, QStringLiteral("Apfel"));
        table->grid()->setCellText(0, 1, QStringLiteral("Gurke"));
    } else if (auto* crossword = qobject_cast<CrosswordEditor*>(&dialog)) {
        const char* const row[] = {"#W1", "O", "H", "R"};
        for (int c = 0; c < 4; ++c)
            crossword->grid()->item(0, c)->setText(QString::fromLatin1(row[c]));
    }
    dialog.accept();
    return dialog.result();
}

} // namespace

TEST_F(MainWindowFixture, EachNewPuzzleEntryOpensItsEditorAndOkLaysThePageOut)
{
    const struct
    {
        const char* caption;
        int dokTyp;
        const char* title;
        int kind;  // what the filled cells build
        int built; // objects of that kind
    } cases[] = {
        {"Clu&ster-Übung...", DokTyp::Cluster, "Cluster-Übung bearbeiten",
         ObjectKind::ClusterQueryText, 2},
        // Five pairs: the empty cells still make elements of four blanks.
        {"Über-&Kreuz-Zuordnung...", DokTyp::CrossAssign, "Über-Kreuz-Zuordnung bearbeiten",
         ObjectKind::PairQueryText, 10},
        {"Kreuz&worträtsel...", DokTyp::Crossword, "Kreuzworträtsel bearbeiten",
         ObjectKind::CrosswordCell, 3},
    };
    MainWindow& w = start();
    const Document& doc = w.document();
    w.view().number(NumberingMode::Ordered);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        QAction* entry = action(QString::fromUtf8(c.caption));
        ASSERT_NE(entry, nullptr);
        QStringList titles;
        const ScopedDialogRunner runner([&](QDialog& dialog) {
            titles << dialog.windowTitle();
            return fillAndAccept(dialog);
        });
        // The document of the case before is dropped without saving.
        prompter.answers = {Answer::No};
        entry->trigger();

        EXPECT_EQ(titles, QStringList{QString::fromUtf8(c.title)});
        EXPECT_EQ(doc.header.DokTyp, c.dokTyp);
        EXPECT_EQ(doc.header.EinrueckRand, defaultEinrueckRand(c.dokTyp));
        EXPECT_EQ(countKind(doc, c.kind), c.built);
        EXPECT_TRUE(doc.isModified());
        // The new query fields are numbered in the view's numbering.
        for (const ObjDataTyp& o : doc.objects) {
            if (o.Typ == c.kind) {
                EXPECT_GE(o.Nummer, 1);
            }
        }

        // F2 opens the same editor; "Abbrechen" changes nothing.
        titles.clear();
        const int before = doc.objectCount();
        const ScopedDialogRunner cancel([&](QDialog& dialog) {
            titles << dialog.windowTitle();
            return int(QDialog::Rejected);
        });
        action(QStringLiteral("&Dokument bearbeiten..."))->trigger();
        EXPECT_EQ(titles, QStringList{QString::fromUtf8(c.title)});
        EXPECT_EQ(doc.objectCount(), before);
    }
}

// What each new document sets before its editor opens: every cell a query
// text, and for a cross assignment black lines and the worksheet task.
TEST_F(MainWindowFixture, NewPuzzleDocumentsStartWithTheirDefaults)
{
    MainWindow& w = start();
    const Document& doc = w.document();
    const ScopedDialogRunner cancel([](QDialog&) { return int(QDialog::Rejected); });

    action(QStringLiteral("Clu&ster-Übung..."))->trigger();
    EXPECT_EQ(doc.header.DokTyp, DokTyp::Cluster);
    EXPECT_EQ(doc.header.LueckenTabelle[15][11].Art, 1);

    action(QStringLiteral("Über-&Kreuz-Zuordnung..."))->trigger();
    EXPECT_EQ(doc.header.DokTyp, DokTyp::CrossAssign);
    EXPECT_EQ(doc.header.LueckenTabelleLinieCol, 0x000000);
    EXPECT_EQ(doc.header.ABAufgabe,
              QStringLiteral("Aufgabe: Verbinde die einander zugehörigen Elemente!"));
    EXPECT_EQ(doc.header.LueckenTabelle[0][0].Art, 1);

    action(QStringLiteral("Kreuz&worträtsel..."))->trigger();
    EXPECT_EQ(doc.header.DokTyp, DokTyp::Crossword);
    EXPECT_EQ(doc.objectCount(), 0);
    EXPECT_TRUE(prompter.shown.empty());
}
