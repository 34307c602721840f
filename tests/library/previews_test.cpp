#include "topicfolder.h"

#include "document/objectkinds.h"
#include "document/picturecodec.h"
#include "library/folderbatch.h"
#include "library/previews.h"
#include "library/topiclist.h"

#include <QFileInfo>
#include <QImageReader>
#include <QThreadPool>

#include <atomic>

using namespace velunto;
using velunto::testing::TopicFolder;

namespace {

QSize imageSize(const QString& path)
{
    return QImageReader(path).size();
}

// A document whose page shows a red label on a blue base image.
Document labelledDocument(const QString& title)
{
    Document doc;
    doc.header.Titel = title;
    doc.baseImage = Picture(800, 400, QImage::Format_RGB32);
    doc.baseImage.fill(Qt::blue);
    ObjDataTyp label;
    label.Typ = ObjectKind::FixedLabel;
    label.Text = title;
    label.Kx = label.Sx = 0.5;
    label.Ky = label.Sy = 0.5;
    label.HFarbe = 0x0000FF;
    label.HDeck = 100;
    doc.objects.push_back(label);
    return doc;
}

} // namespace

TEST(Previews, NamesAndSizes)
{
    EXPECT_EQ(previewFileName(QStringLiteral("/themen/fluss.system.vlt"), 200),
              QStringLiteral("fluss.system-200.png"));
    EXPECT_EQ(previewFileName(QStringLiteral("Skelett.VLT"), 10), QStringLiteral("Skelett-10.png"));
    EXPECT_EQ(previewFolder(QStringLiteral("/themen")), QStringLiteral("/themen/vorschaubilder/"));
    EXPECT_EQ(previewFolder(QStringLiteral("/themen/")), QStringLiteral("/themen/vorschaubilder/"));

    const struct
    {
        QSize page;
        int height;
        QSize preview;
    } cases[] = {
        {{1000, 700}, 200, {286, 200}},
        {{1000, 700}, 2000, {2857, 2000}},
        {{1280, 800}, 10, {16, 10}},
        {{30, 1000}, 10, {1, 10}},
    };
    for (const auto& c : cases) {
        QImage page(c.page, QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::white);
        EXPECT_EQ(scalePreview(page, c.height).size(), c.preview) << c.height;
    }
}

TEST(Previews, FolderIsCreatedOrTheErrorNamesIt)
{
    TopicFolder f;
    const QString folder = previewFolder(f.folder());
    EXPECT_FALSE(ensurePreviewFolder(folder).has_value());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(ensurePreviewFolder(folder).has_value());

    f.addRaw(QStringLiteral("datei"), "kein Ordner");
    const QString impossible = previewFolder(f.path(QStringLiteral("datei")));
    EXPECT_EQ(ensurePreviewFolder(impossible),
              QStringLiteral("Verzeichnis für Vorschaubilder existiert nicht und konnte nicht "
                             "erstellt werden:\r\n") +
                  impossible);
}

TEST(Previews, ADocumentPreviewShowsItsComposedPage)
{
    TopicFolder f;
    Document doc = labelledDocument(QStringLiteral("Rot"));
    const QString path = f.add(QStringLiteral("rot.vlt"), doc);
    const QString folder = previewFolder(f.folder());
    ASSERT_FALSE(ensurePreviewFolder(folder).has_value());

    PreviewSettings settings;
    settings.height = 150;
    settings.viewport = QSize(1000, 1000);
    const BatchOutcome outcome = makeDocumentPreview(path, folder, settings);
    ASSERT_EQ(outcome.kind, BatchOutcome::Kind::Done);
    const QImage preview(folder + QStringLiteral("rot-150.png"));
    ASSERT_EQ(preview.size(), QSize(300, 150));
    EXPECT_EQ(QColor(preview.pixel(10, 10)), QColor(Qt::blue));
    // The label's red card lies in the middle.
    int red = 0;
    for (int y = 60; y < 90; ++y)
        for (int x = 130; x < 170; ++x)
            red += qRed(preview.pixel(x, y)) > 200 && qBlue(preview.pixel(x, y)) < 80 ? 1 : 0;
    EXPECT_GT(red, 10);

    // Higher than the window: composed larger, not blown up.
    settings.height = 1500;
    ASSERT_EQ(makeDocumentPreview(path, folder, settings).kind, BatchOutcome::Kind::Done);
    EXPECT_EQ(imageSize(folder + QStringLiteral("rot-1500.png")), QSize(3000, 1500));
}

TEST(Previews, ProtectedPicturesGetNoPreview)
{
    TopicFolder f;
    Document doc = labelledDocument(QStringLiteral("Geschützt"));
    doc.header.BilderPasswort = QStringLiteral("geheim");
    const QString path = f.add(QStringLiteral("geschuetzt.vlt"), doc);
    const QString folder = previewFolder(f.folder());
    ASSERT_FALSE(ensurePreviewFolder(folder).has_value());

    const BatchOutcome outcome = makeDocumentPreview(path, folder, PreviewSettings{});
    EXPECT_EQ(outcome.kind, BatchOutcome::Kind::Skipped);
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("geschuetzt-200.png")));
    EXPECT_EQ(skippedPreviewsText({outcome}),
              QStringLiteral("Für folgende Dokumente wurden keine Vorschaubilder erzeugt, weil "
                             "ihre Bilder durch ein Passwort geschützt sind:\r\n- geschuetzt.vlt"));
}

TEST(Previews, FolderBatchWritesEveryPreviewAndReportsBrokenFiles)
{
    TopicFolder f;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        Document doc = labelledDocument(QString::fromLatin1(name));
        f.add(QString::fromLatin1(name) + QStringLiteral(".vlt"), doc);
    }
    f.addRaw(QStringLiteral("kaputt.vlt"), "VLT-2.21");
    const QString folder = previewFolder(f.folder());
    ASSERT_FALSE(ensurePreviewFolder(folder).has_value());

    PreviewSettings settings;
    settings.height = 40;
    FolderBatch batch(documentFiles(f.folder()), previewTask(folder, settings));
    EXPECT_EQ(batch.total(), 6);
    batch.start();
    batch.wait();
    EXPECT_TRUE(batch.isFinished());
    EXPECT_EQ(batch.finishedCount(), 6);
    const std::vector<BatchOutcome> outcomes = batch.outcomes();
    ASSERT_EQ(outcomes.size(), 6u);
    EXPECT_EQ(outcomes[5].path, f.path(QStringLiteral("kaputt.vlt")));
    EXPECT_EQ(outcomes[5].kind, BatchOutcome::Kind::Failed);
    EXPECT_EQ(failureMessages(outcomes).size(), outcomes[5].messages.size());
    for (const char* name : {"a", "b", "c", "d", "e"})
        EXPECT_EQ(imageSize(folder + QString::fromLatin1(name) + QStringLiteral("-40.png")),
                  QSize(80, 40))
            << name;
}

TEST(FolderBatch, CancelStopsBeforeTheRemainingFiles)
{
    QStringList files;
    for (int i = 0; i < 50; ++i)
        files << QString::number(i);
    std::atomic<int> calls{0};
    FolderBatch* running = nullptr;
    FolderBatch batch(files, [&](const QString&) {
        if (++calls == 1)
            running->cancel();
        return BatchOutcome{};
    });
    running = &batch;
    batch.start();
    batch.wait();
    EXPECT_TRUE(batch.isCancelled());
    EXPECT_LE(calls.load(), QThreadPool::globalInstance()->maxThreadCount());
    EXPECT_EQ(int(batch.outcomes().size()), calls.load());
}

TEST(FolderBatch, StatusTexts)
{
    EXPECT_EQ(batchStatusText(QStringLiteral("Vorschaubilder werden generiert."), 0, 7),
              QStringLiteral("Vorschaubilder werden generiert.||Bitte warten."));
    EXPECT_EQ(batchStatusText(QStringLiteral("Bilder werden herunterskaliert."), 3, 7),
              QStringLiteral("Bilder werden herunterskaliert.|Bearbeite Dokument Nr. 3 von 7.|"
                             "Bitte warten."));
}
