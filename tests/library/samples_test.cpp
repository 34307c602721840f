#include "document/documentfile.h"
#include "document/kinds.h"
#include "library/topiclist.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <set>

using namespace velunto;

// The shipped sample folder: every document loads, is a free assignment a
// teacher can present, and every document link leads to a document of the
// folder.
TEST(SampleFolder, EveryDocumentLoadsWithAllAuthoredKindsAndWorkingLinks)
{
    const QString folder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele");
    const TopicList list = buildTopicList(folder);
    ASSERT_GE(list.size(), 5u);
    for (const ThemenDataTyp& entry : list) {
        SCOPED_TRACE(entry.path.toStdString());
        Document doc;
        const LoadResult loaded = loadDocument(doc, entry.path);
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(doc.header.DokTyp, DokTyp::Free);
        EXPECT_FALSE(doc.header.Titel.trimmed().isEmpty());
        EXPECT_GE(doc.baseImage.width(), 1280);

        std::set<int> kinds;
        for (const ObjDataTyp& o : doc.objects) {
            kinds.insert(o.Typ);
            EXPECT_GE(o.Sx, 0.0);
            EXPECT_LE(o.Sx, 1.0);
            EXPECT_GE(o.Ky, 0.0);
            EXPECT_LE(o.Ky, 1.0);
            if (o.Typ == ObjectKind::InfoPoint) {
                EXPECT_FALSE(o.Text.isEmpty());
            }
            if (o.Typ == ObjectKind::DocumentLink) {
                EXPECT_TRUE(QFileInfo::exists(QDir(folder).filePath(o.Text)))
                    << o.Text.toStdString();
            }
            if (isPictureKind(o.Typ)) {
                EXPECT_FALSE(o.Bild.isNull());
            }
        }
        EXPECT_TRUE(kinds.count(ObjectKind::QueryLabel));
        EXPECT_TRUE(kinds.count(ObjectKind::FixedLabel));
        EXPECT_TRUE(kinds.count(ObjectKind::InfoPoint));
        EXPECT_TRUE(kinds.count(ObjectKind::DocumentLink));
        EXPECT_TRUE(kinds.count(ObjectKind::FixedImage) || kinds.count(ObjectKind::QueryImage));
    }
}
