// A cloze file that holds only its content: "velunto-tool resave" writes
// the objects that the cloze builds from it at the load.

#include "content/cloze/clozecontent.h"
#include "content/contentregistry.h"
#include "document/document.h"
#include "document/documentfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velunto {
namespace {

struct ClozeFile : ::testing::Test
{
    QTemporaryDir dir;
    QString input = dir.filePath(QStringLiteral("nur-inhalt.vlt"));
    QString output = dir.filePath(QStringLiteral("neu.vlt"));

    void saveContentOnly(Document& doc)
    {
        ASSERT_EQ(doc.objectCount(), 0);
        ASSERT_TRUE(saveDocument(doc, input).ok);
    }

    // Runs the tool as an author would.
    void resave()
    {
        const QString tool =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../src/velunto-tool");
        ASSERT_TRUE(QFileInfo(tool).isExecutable()) << tool.toStdString();
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        process.setProcessEnvironment(env);
        process.start(tool, {QStringLiteral("resave"), input, output});
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }

    // The objects as the file holds them: read with a cloze type that builds
    // nothing.
    Document stored()
    {
        const ScopedContentType nothingBuilt({.dokTyp = DokTyp::Cloze});
        Document doc;
        EXPECT_TRUE(loadDocument(doc, output).ok);
        return doc;
    }
};

TEST_F(ClozeFile, AFlowingTextGetsItsGapCardsAndWrongWords)
{
    Document doc;
    startClozeDocument(doc, ClozeSubType::FlowingWithWrongWords);
    doc.header.lueckentext = QStringLiteral("Der <<Hund | hund>> bellt, die <<>> miaut.");
    doc.header.fragentext = QStringLiteral(" Maus \r\n  \r\n");
    saveContentOnly(doc);
    resave();

    const Document file = stored();
    ASSERT_EQ(file.objectCount(), 3);
    const ObjDataTyp& dog = file.objects[0];
    EXPECT_EQ(dog.Typ, ObjectKind::GapCard);
    EXPECT_EQ(dog.Ebene, Layer::TextsAndImages);
    EXPECT_EQ(dog.Text, QStringLiteral("Hund"));
    EXPECT_EQ(dog.BildKenn, QStringLiteral("|Hund|hund|"));
    EXPECT_EQ(dog.KAusr, Side::Top);
    EXPECT_EQ(dog.FrageNummer, 0);
    EXPECT_EQ(dog.Fsize, 0);
    EXPECT_EQ(dog.Abdeckung, -1);
    EXPECT_GT(dog.Kx, 0.0);
    EXPECT_GT(dog.Ky, 0.0);
    const ObjDataTyp& empty = file.objects[1];
    EXPECT_EQ(empty.Typ, ObjectKind::GapCard);
    EXPECT_TRUE(empty.Text.isEmpty());
    EXPECT_EQ(empty.BildKenn, QStringLiteral("||"));
    EXPECT_GT(empty.Kx, dog.Kx);
    const ObjDataTyp& word = file.objects[2];
    EXPECT_EQ(word.Typ, ObjectKind::DistractorCard);
    EXPECT_EQ(word.Ebene, Layer::BaseImage);
    EXPECT_EQ(word.Text, QStringLiteral(" Maus ")) << "written as typed";
    EXPECT_EQ(word.KAusr, Side::Right);
    EXPECT_EQ(word.FrageNummer, -1);
    EXPECT_EQ(word.Kx, 0.0);
    EXPECT_EQ(word.Ky, 0.0);
}

TEST_F(ClozeFile, ATableGetsItsCardsPicturesAndGapsRowByRow)
{
    Document doc;
    startClozeDocument(doc, ClozeSubType::Table);
    HeaderDataTyp& h = doc.header;
    h.LueckenTabelleZeilen = 1;
    h.LueckenTabelleSpalten = 3;
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    auto& row = h.LueckenTabelle[0];
    row[0].Art = CellKind::QueryImage;
    row[0].Bild = picture;
    row[0].BildKenn = QStringLiteral("Blatt");
    row[0].Groesse = 35;
    row[0].BildkarteAnpassen = 1;
    row[1].Art = CellKind::QueryText;
    row[1].Text = QStringLiteral("Laubbaum");
    row[2].Art = CellKind::Text;
    row[2].Text = QStringLiteral("Die Eiche wirft im <<Herbst>> ihr Laub ab.");
    saveContentOnly(doc);
    resave();

    const Document file = stored();
    ASSERT_EQ(file.objectCount(), 3);
    const ObjDataTyp& leaf = file.objects[0];
    EXPECT_EQ(leaf.Typ, ObjectKind::TableQueryImage);
    EXPECT_EQ(leaf.Fsize, 35);
    EXPECT_EQ(leaf.BildKenn, QStringLiteral("Blatt"));
    EXPECT_EQ(leaf.BildkarteAnpassen, 1);
    EXPECT_EQ(leaf.KAusr, Side::Bottom);
    EXPECT_EQ(leaf.FrageNummer, 0);
    const ObjDataTyp& tree = file.objects[1];
    EXPECT_EQ(tree.Typ, ObjectKind::TableQueryText);
    EXPECT_EQ(tree.Text, QStringLiteral("Laubbaum"));
    EXPECT_EQ(tree.TAusr, 1);
    EXPECT_GT(tree.Kx, leaf.Kx);
    const ObjDataTyp& autumn = file.objects[2];
    EXPECT_EQ(autumn.Typ, ObjectKind::GapCard);
    EXPECT_EQ(autumn.Text, QStringLiteral("Herbst"));
    EXPECT_GT(autumn.Kx, tree.Kx);

    // The file keeps no card sizes and no picture of a table card: the load
    // builds them from the cells.
    Document loaded;
    ASSERT_TRUE(loadDocument(loaded, output).ok);
    ASSERT_EQ(loaded.objectCount(), 3);
    EXPECT_EQ(loaded.objects[0].Bild.size(), picture.size());
    EXPECT_GT(loaded.objects[0].KBreite, 0.0);
    EXPECT_GT(loaded.objects[1].KHoehe, 0.0);
}

} // namespace
} // namespace velunto
