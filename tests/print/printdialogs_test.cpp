#include "library/ui/topiclistwindow.h"
#include "platform/prompter.h"
#include "print/ui/printing.h"
#include "print/ui/viewprintdialog.h"
#include "support/pdftools.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;
using namespace velunto::testing;

TEST(ViewPrintDialog, TheHeightFollowsTheWidthWhileTheAspectRatioIsKept)
{
    QTemporaryDir dir;
    PdfPrinting printing(dir.filePath(QStringLiteral("ansicht.pdf")));
    ScriptedPrompter prompter;
    QImage view(400, 200, QImage::Format_RGB32); // twice as wide as high
    view.fill(Qt::white);
    ViewPrintDialog dialog(view, printing, prompter);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ansicht drucken"));
    EXPECT_DOUBLE_EQ(dialog.leftField()->value(), 2.0);
    EXPECT_DOUBLE_EQ(dialog.topField()->value(), 2.0);
    EXPECT_DOUBLE_EQ(dialog.widthField()->value(), 17.0);
    EXPECT_DOUBLE_EQ(dialog.heightField()->value(), 8.5);
    EXPECT_EQ(dialog.copiesField()->maximum(), 999);
    EXPECT_EQ(dialog.printerLabel()->text(), QStringLiteral("PDF-Datei an ansicht.pdf"));

    dialog.heightField()->setValue(5.0);
    EXPECT_DOUBLE_EQ(dialog.widthField()->value(), 10.0);
    dialog.widthField()->setValue(12.0);
    EXPECT_DOUBLE_EQ(dialog.heightField()->value(), 6.0);
    dialog.keepAspectRatio()->setChecked(false);
    dialog.widthField()->setValue(16.0);
    EXPECT_DOUBLE_EQ(dialog.heightField()->value(), 6.0);

    dialog.copiesField()->setValue(3);
    dialog.print();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(printing.printer().copyCount(), 3);
    EXPECT_EQ(pdfInfo(printing.printer().outputFileName(), QStringLiteral("Pages")),
              QStringLiteral("1"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(ViewPrintDialog, NoPrinterIsDescribedAndPrintingToNothingSaysWhy)
{
    PdfPrinting nowhere{QString()};
    ScriptedPrompter prompter;
    QImage view(10, 10, QImage::Format_RGB32);
    ViewPrintDialog dialog(view, nowhere, prompter);
    EXPECT_EQ(dialog.printerLabel()->text(), QStringLiteral("- Kein Drucker -"));
    dialog.print();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, Prompter::Kind::Error);
}

TEST(TopicListWindow, PrintsTheListAsFormattedText)
{
    QTemporaryDir dir;
    keepWhenAsked(dir);
    const QString pdf = dir.filePath(QStringLiteral("themen.pdf"));
    PdfPrinting printing(pdf);
    ScriptedPrompter prompter;
    TopicListWindow window(QStringLiteral("<TIT>Themenliste\r\n1: Die Blüte\r\n2: ohne_titel.vlt\r\n"),
                           dir.path(), prompter, nullptr, &printing);
    window.print();
    EXPECT_EQ(printing.dialogs, 1);
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Themenliste"));
    const std::vector<PdfWord> words = pdfWords(pdf);
    const PdfWord* title = findWord(words, QStringLiteral("Themenliste"));
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(title->xMin / kPointsPerMm, 20, 0.5);
    EXPECT_NE(findWord(words, QStringLiteral("Blüte")), nullptr);
    EXPECT_NE(findWord(words, QStringLiteral("ohne_titel.vlt")), nullptr);
}
