#include "document/picturefile.h"

#include "common/filemessages.h"
#include "document/document.h"
#include "document/picturecodec.h"
#include "support/sampledocuments.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace velunto;
using namespace velunto::testing;

namespace {

const QString kBadExtension =
    QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung.");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(PictureFile, LoadsByExtensionAndReportsWhyNot)
{
    QTemporaryDir dir;
    const Picture picture = tinyPicture(7, 5, false, 3);
    const Picture withAlpha = tinyPicture(7, 5, true, 4);
    const QByteArray png = encodePng(withAlpha);
    writeFile(dir.filePath("a.png"), png);
    writeFile(dir.filePath("B.PNG"), png);
    writeFile(dir.filePath("c.jpg"), encodeJpeg(picture, 90));
    ASSERT_TRUE(picture.save(dir.filePath("d.bmp"), "BMP"));
    writeFile(dir.filePath("e.gif"), png);
    writeFile(dir.filePath("f.jpeg"), encodeJpeg(picture, 90));
    writeFile(dir.filePath("g"), png);
    writeFile(dir.filePath("h.png"), "kein Bild");
    writeFile(dir.filePath("i.png"), png.left(png.size() - 20));

    const struct
    {
        const char* file;
        bool ok;
        bool badExtension;
    } cases[] = {
        {"a.png", true, false},      {"B.PNG", true, false},  {"c.jpg", true, false},
        {"d.bmp", true, false},      {"e.gif", false, true},  {"f.jpeg", false, true},
        {"g", false, true},          {"h.png", false, false}, {"i.png", false, false},
        {"fehlt.png", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(c.file);
        const PictureFileResult result = loadPictureFile(path);
        EXPECT_EQ(result.ok(), c.ok);
        EXPECT_EQ(result.picture.isNull(), !c.ok);
        if (!c.ok) {
            EXPECT_EQ(result.error, c.badExtension ? kBadExtension : fileReadErrorMessage(path));
        }
    }
    EXPECT_TRUE(samePixels(loadPictureFile(dir.filePath("a.png")).picture, withAlpha));
    EXPECT_TRUE(samePixels(loadPictureFile(dir.filePath("d.bmp")).picture, picture));
    EXPECT_EQ(loadPictureFile(dir.filePath("c.jpg")).picture.size(), picture.size());
}

TEST(PictureFile, InsertingABaseImageChangesTheDocumentOnlyOnSuccess)
{
    QTemporaryDir dir;
    const Picture picture = tinyPicture(9, 4, false, 8);
    writeFile(dir.filePath("basis.png"), encodePng(picture));

    Document doc;
    const Picture before = doc.baseImage;
    const PictureFileResult refused = insertBaseImageFromFile(doc, dir.filePath("basis.tif"));
    EXPECT_EQ(refused.error, kBadExtension);
    EXPECT_TRUE(samePixels(doc.baseImage, before));
    EXPECT_FALSE(doc.isModified());

    const PictureFileResult inserted = insertBaseImageFromFile(doc, dir.filePath("basis.png"));
    EXPECT_TRUE(inserted.ok());
    EXPECT_TRUE(samePixels(doc.baseImage, picture));
    EXPECT_TRUE(doc.isModified());
}
