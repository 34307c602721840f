#include "common/colorref.h"
#include "document/documentfile.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "library/topiclist.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace velunto;

// The shipped sample folder: every document loads and has a title and a
// picture a teacher can present. The free assignments have every authored
// kind and working links; the cloze documents cover the flowing text with
// wrong words, the C-test, the table with pictures and plain gaps.
TEST(SampleFolder, EveryDocumentLoadsWithAllAuthoredKindsAndWorkingLinks)
{
    const QString folder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele");
    const TopicList list = buildTopicList(folder);
    ASSERT_GE(list.size(), 9u);
    std::set<int> clozeSubTypes;
    for (const ThemenDataTyp& entry : list) {
        SCOPED_TRACE(entry.path.toStdString());
        Document doc;
        const LoadResult loaded = loadDocument(doc, entry.path);
        ASSERT_TRUE(loaded.ok);
        EXPECT_FALSE(doc.header.Titel.trimmed().isEmpty());
        EXPECT_GE(doc.baseImage.width(), 1280);

        std::set<int> kinds;
        for (const ObjDataTyp& o : doc.objects) {
            kinds.insert(o.Typ);
            if (isMcQuestionKind(o.Typ))
                continue; // a multiple-choice question has no place on the page
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
            if (o.Sline == 1 && o.Typ != ObjectKind::GapCard) {
                // The line from anchor to card stands out from the picture
                // halfway along it.
                const QPoint middle(int((o.Sx + o.Kx) / 2 * (doc.baseImage.width() - 1)),
                                    int((o.Sy + o.Ky) / 2 * (doc.baseImage.height() - 1)));
                const int under = qGray(doc.baseImage.pixel(middle));
                const int line = qGray(toQColor(o.LinieFarbe).rgb());
                EXPECT_GE(std::abs(line - under), 45) << o.Text.toStdString();
            }
        }
        if (doc.header.DokTyp == DokTyp::Cloze) {
            clozeSubTypes.insert(doc.header.DokUnterTyp);
            EXPECT_TRUE(kinds.count(ObjectKind::GapCard));
            const HeaderDataTyp& h = doc.header;
            for (int r = 0; r < h.LueckenTabelleZeilen; ++r) {
                for (int c = 0; c < h.LueckenTabelleSpalten; ++c) {
                    const lueckentabellearrtyp& cell = h.LueckenTabelle[r][c];
                    if (h.DokUnterTyp == ClozeSubType::Table && cellCarriesPicture(1, cell.Art)) {
                        EXPECT_FALSE(cell.Bild.isNull());
                    }
                }
            }
            continue;
        }
        // The samples of the other content types are checked with their type.
        if (doc.header.DokTyp != DokTyp::Free)
            continue;
        EXPECT_EQ(doc.header.DokTyp, DokTyp::Free);
        EXPECT_TRUE(kinds.count(ObjectKind::QueryLabel));
        EXPECT_TRUE(kinds.count(ObjectKind::FixedLabel));
        EXPECT_TRUE(kinds.count(ObjectKind::InfoPoint));
        EXPECT_TRUE(kinds.count(ObjectKind::DocumentLink));
        EXPECT_TRUE(kinds.count(ObjectKind::FixedImage) || kinds.count(ObjectKind::QueryImage));
    }
    EXPECT_EQ(clozeSubTypes,
              (std::set<int>{ClozeSubType::Flowing, ClozeSubType::Table, ClozeSubType::CTest,
                             ClozeSubType::FlowingWithWrongWords}));
}
