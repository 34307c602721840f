#include "document/document.h"
#include "document/pictureexport.h"
#include "platform/prompter.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(PictureExport, AsksUntilTheExactPasswordOnceForEachLoadedDocument)
{
    Document doc;
    ScriptedPrompter prompter;
    EXPECT_TRUE(confirmPictureExport(doc, prompter)); // no password: nothing asked
    EXPECT_TRUE(prompter.passwordTexts.empty());

    doc.header.BilderPasswort = QStringLiteral("Geheim");
    prompter.entries = {QStringLiteral("geheim"), QStringLiteral("Geheim")};
    EXPECT_TRUE(confirmPictureExport(doc, prompter));
    EXPECT_EQ(prompter.passwordTexts.size(), 2u);
    EXPECT_EQ(prompter.texts(), QStringList{"Das Passwort ist falsch."});

    EXPECT_TRUE(confirmPictureExport(doc, prompter)); // unlocked now
    EXPECT_EQ(prompter.passwordTexts.size(), 2u);

    doc.newDocument();
    doc.header.BilderPasswort = QStringLiteral("Geheim");
    EXPECT_FALSE(confirmPictureExport(doc, prompter)); // cancelled
    EXPECT_EQ(prompter.passwordTexts.size(), 3u);
}
