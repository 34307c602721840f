#include "document/document.h"
#include "platform/prompter.h"
#include "view/pointaction.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace velunto;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

struct Folders
{
    QTemporaryDir root;
    LinkFolders links;
    Folders()
    {
        links.documentFolder = root.filePath("dok");
        links.topicRootFolder = root.filePath("themen");
        links.currentTopicFolder = root.filePath("themen/bio");
        links.programFolder = root.filePath("programm");
        for (const QString& f :
             {links.documentFolder, links.currentTopicFolder, links.programFolder})
            QDir().mkpath(f);
    }
};

ObjDataTyp link(int kind, const QString& text, const QString& password = {})
{
    ObjDataTyp o;
    o.Typ = kind;
    o.Text = text;
    o.BildKenn = password;
    return o;
}

} // namespace

TEST(LinkPath, ResolvesInTheOrderOfTheFolders)
{
    Folders f;
    touch(f.links.documentFolder + "/a.txt");
    touch(f.links.topicRootFolder + "/a.txt");
    touch(f.links.topicRootFolder + "/b.txt");
    touch(f.links.programFolder + "/b.txt");
    touch(f.links.programFolder + "/sub/c.txt");

    EXPECT_EQ(resolveLinkPath("a.txt", f.links), f.links.documentFolder + "/a.txt");
    EXPECT_EQ(resolveLinkPath("b.txt", f.links), f.links.topicRootFolder + "/b.txt");
    EXPECT_EQ(resolveLinkPath("sub\\c.txt", f.links), f.links.programFolder + "/sub/c.txt");
    EXPECT_EQ(resolveLinkPath("fehlt.txt", f.links), QString("fehlt.txt"));
    const QString absolute = f.links.programFolder + "/b.txt";
    EXPECT_EQ(resolveLinkPath(absolute, f.links), absolute);
    for (const char* url : {"http://a.txt", "HTTPS://example.org/a b", "Http://x"})
        EXPECT_EQ(resolveLinkPath(url, f.links), QString(url));

    // An unsaved document has no folder: the next folder is asked.
    LinkFolders unsaved = f.links;
    unsaved.documentFolder.clear();
    EXPECT_EQ(resolveLinkPath("a.txt", unsaved), f.links.topicRootFolder + "/a.txt");
}

TEST(PointAction, PasswordIsAskedOnlyWhereBildKennHoldsOne)
{
    Folders f;
    Document doc;
    doc.objects = {link(ObjectKind::InfoPoint, "Hallo", "geheim"),
                   link(ObjectKind::ExternalLink, "http://x", "geheim"),
                   link(ObjectKind::ImageLink, "http://y", "geheim"), link(33, "http://z", "bild7"),
                   link(ObjectKind::InfoPoint, "offen")};

    ScriptedPrompter p;
    p.entries = {QString("geheim"), QString("falsch"), std::nullopt};
    PointAction a = decidePointAction(doc, 0, f.links, p);
    EXPECT_EQ(a.kind, PointAction::ShowInfo);
    EXPECT_EQ(a.target, QString("Hallo"));
    EXPECT_EQ(decidePointAction(doc, 1, f.links, p).kind, PointAction::Nothing);
    EXPECT_EQ(p.texts(), QStringList{"Das Passwort ist falsch."});
    EXPECT_EQ(decidePointAction(doc, 2, f.links, p).kind, PointAction::Nothing); // cancelled
    EXPECT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.passwordTexts.size(), 3u);
    EXPECT_EQ(p.passwordTexts[0], QString("Diese Verknüpfung ist passwort-geschützt. Um den "
                                          "Inhalt anzusehen, wird das Passwort benötigt."));

    // The table picture link's BildKenn is a picture identifier.
    a = decidePointAction(doc, 3, f.links, p);
    EXPECT_EQ(a.kind, PointAction::OpenExternal);
    EXPECT_EQ(a.target, QString("http://z"));
    EXPECT_EQ(decidePointAction(doc, 4, f.links, p).kind, PointAction::ShowInfo);
    EXPECT_EQ(p.passwordTexts.size(), 3u);

    EXPECT_EQ(decidePointAction(doc, 99, f.links, p).kind, PointAction::Nothing);
}

TEST(PointAction, DocumentLinksAreCheckedBeforeAnythingChanges)
{
    Folders f;
    touch(f.links.documentFolder + "/weiter.vlt");
    QDir().mkpath(f.links.currentTopicFolder + "/zelle");
    Document doc;
    doc.objects = {link(ObjectKind::DocumentLink, "weiter.vlt"),
                   link(ObjectKind::DocumentLink, "fehlt.vlt"),
                   link(ObjectKind::DocumentLink, "zelle\\"),
                   link(ObjectKind::DocumentLink, f.links.programFolder + "/"),
                   link(ObjectKind::DocumentLink, "nirgends\\")};
    ScriptedPrompter p;

    PointAction a = decidePointAction(doc, 0, f.links, p);
    EXPECT_EQ(a.kind, PointAction::OpenDocument);
    EXPECT_EQ(a.target, f.links.documentFolder + "/weiter.vlt");

    EXPECT_EQ(decidePointAction(doc, 1, f.links, p).kind, PointAction::Nothing);
    EXPECT_EQ(p.texts().last(), QString("Die Datei \"fehlt.vlt\" existiert nicht."));

    a = decidePointAction(doc, 2, f.links, p);
    EXPECT_EQ(a.kind, PointAction::OpenTopicFolder);
    EXPECT_EQ(a.target, f.links.currentTopicFolder + "/zelle");
    a = decidePointAction(doc, 3, f.links, p);
    EXPECT_EQ(a.kind, PointAction::OpenTopicFolder);
    EXPECT_EQ(a.target, f.links.programFolder);

    EXPECT_EQ(decidePointAction(doc, 4, f.links, p).kind, PointAction::Nothing);
    EXPECT_EQ(p.texts().last(), QString("Der Ordner \"nirgends\\\" existiert nicht."));
}

TEST(PointAction, FailedOpenIsReported)
{
    ScriptedPrompter p;
    QString opened;
    EXPECT_TRUE(openExternalTarget(
        "http://a",
        [&](const QString& t) {
            opened = t;
            return true;
        },
        p));
    EXPECT_EQ(opened, QString("http://a"));
    EXPECT_FALSE(openExternalTarget(
        "x.pdf", [](const QString&) { return false; }, p));
    EXPECT_EQ(p.texts(),
              QStringList{"Die Datei oder Internet-Adresse \"x.pdf\" kann nicht geöffnet werden."});
}
