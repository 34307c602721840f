#include "view/drawing/stamps.h"
#include "view/drawing/ui/stampdialog.h"

#include <gtest/gtest.h>

#include <QComboBox>

using namespace velunto;

TEST(StampDialog, OpensWithTheStampsAndReturnsTheChoice)
{
    StampSettings stamps;
    stamps.fonts[9] = QStringLiteral("Eine Schrift, die es nicht gibt");
    StampDialog dialog(stamps);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Stempelsymbole konfigurieren"));
    // Stamp 1 is the tick of Wingdings (code 252), stamp 7 "+" of Arial.
    EXPECT_EQ(dialog.fontBox(0)->currentText(), QStringLiteral("Wingdings"));
    EXPECT_EQ(dialog.characterBox(0)->currentData().toInt(), 252);
    EXPECT_EQ(dialog.characterBox(6)->currentData().toInt(), int('+'));
    EXPECT_EQ(dialog.characterBox(0)->count(), 255);
    // A font that is not installed stays chosen.
    EXPECT_EQ(dialog.fontBox(9)->currentText(), stamps.fonts[9]);
    EXPECT_EQ(dialog.stamps().characters, stamps.characters);

    // Another font keeps the character code; another character is taken.
    dialog.fontBox(1)->setCurrentIndex(dialog.fontBox(1)->findText(QStringLiteral("Symbol")));
    EXPECT_EQ(dialog.characterBox(1)->currentData().toInt(), 0xFB);
    dialog.characterBox(2)->setCurrentIndex(int('a') - 1);
    const StampSettings chosen = dialog.stamps();
    EXPECT_EQ(chosen.fonts[1], QStringLiteral("Symbol"));
    EXPECT_EQ(chosen.characters.size(), kStampCount);
    EXPECT_EQ(chosen.characters[2], QLatin1Char('a'));
    EXPECT_EQ(stampSymbol(chosen, 2).character, stamps.characters[1]);
}
