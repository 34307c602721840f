#include "content/contentregistry.h"
#include "document/document.h"
#include "document/documentfile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>

using namespace velunto;

namespace {

struct Recorder : DocumentObserver
{
    std::vector<DocumentChange> seen;
    std::function<void(const DocumentChange&)> also;

    void documentChanged(const DocumentChange& change) override
    {
        seen.push_back(change);
        if (also)
            also(change);
    }
};

int label(Document& doc, const QString& text)
{
    return doc.addGeneratedObject(ObjectKind::FixedLabel, Layer::TextsAndImages, text, -1, 0.5, 0.5,
                                  Side::Centre, 0);
}

} // namespace

TEST(DocumentChange, OperationsSayWhatChanged)
{
    Document doc;
    Recorder r;
    doc.addObserver(&r);

    const int a = label(doc, QStringLiteral("a"));
    label(doc, QStringLiteral("b"));
    ASSERT_EQ(r.seen.size(), 2u);
    EXPECT_EQ(r.seen[0].what, DocumentChange::ObjectsAdded);
    EXPECT_EQ(r.seen[1].objects, std::vector<int>{1});
    EXPECT_FALSE(r.seen[1].wholeList);

    doc.bringToFront(a);
    EXPECT_EQ(r.seen.back().what, DocumentChange::ObjectsChanged);
    EXPECT_EQ(r.seen.back().objects, std::vector<int>{a});
    EXPECT_EQ(r.seen.back().aspects, ObjectAspect::Position);

    doc.objects[1].Abdeckung = 0;
    doc.notifyObjectsChanged({1, 0, 1}, ObjectAspect::State);
    EXPECT_EQ(r.seen.back().objects, (std::vector<int>{0, 1}));
    EXPECT_TRUE(r.seen.back().touches(1));
    EXPECT_FALSE(r.seen.back().touches(2));

    // After a deletion or an insertion indices from before name other
    // objects: the whole list counts as changed.
    doc.deleteObject(0);
    EXPECT_TRUE(r.seen.back().has(DocumentChange::ObjectsRemoved));
    EXPECT_TRUE(r.seen.back().wholeList);
    doc.duplicateObject(0);
    EXPECT_TRUE(r.seen.back().has(DocumentChange::ObjectsReordered));
    EXPECT_TRUE(r.seen.back().touches(5));

    doc.setBaseImage(Document::blankPicture(0x00FF00));
    EXPECT_EQ(r.seen.back().what, DocumentChange::BaseImage);
    doc.setFontName(QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(r.seen.back().what, DocumentChange::Header);
    const size_t before = r.seen.size();
    doc.setFontName(QStringLiteral("DejaVu Serif")); // the same font changes nothing
    EXPECT_EQ(r.seen.size(), before);

    doc.newDocument();
    EXPECT_EQ(r.seen.back().what, DocumentChange::Replaced);

    // An observer that left hears nothing more.
    doc.removeObserver(&r);
    label(doc, QStringLiteral("c"));
    EXPECT_EQ(r.seen.size(), before + 1);
}

TEST(DocumentChange, ABatchSendsOneMergedNotification)
{
    Document doc;
    for (int i = 0; i < 3; ++i)
        label(doc, QString::number(i));
    Recorder r;
    doc.addObserver(&r);
    {
        DocumentChangeBatch batch(doc);
        doc.notifyObjectChanged(2, ObjectAspect::Text);
        {
            DocumentChangeBatch inner(doc);
            label(doc, QStringLiteral("neu"));
            doc.notifyObjectChanged(0, ObjectAspect::State);
        }
        EXPECT_TRUE(r.seen.empty());
    }
    ASSERT_EQ(r.seen.size(), 1u);
    const DocumentChange& c = r.seen[0];
    EXPECT_EQ(c.what, DocumentChange::ObjectsAdded | DocumentChange::ObjectsChanged);
    EXPECT_EQ(c.objects, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(c.aspects, ObjectAspect::All); // the new object counts in every aspect

    // A builder that deletes and makes 200 cards is heard once.
    r.seen.clear();
    const ScopedContentType builder({.dokTyp = DokTyp::Free, .build = [](Document& d, bool) {
                                         while (d.objectCount() > 0)
                                             d.deleteObject(d.objectCount() - 1);
                                         for (int i = 0; i < 200; ++i)
                                             label(d, QString::number(i));
                                     }});
    doc.rebuildContent();
    ASSERT_EQ(r.seen.size(), 1u);
    EXPECT_TRUE(r.seen[0].wholeList);
    EXPECT_EQ(doc.objectCount(), 200);
}

TEST(DocumentChange, ObserversMayChangeTheDocumentAndLeave)
{
    Document doc;
    label(doc, QStringLiteral("a"));
    Recorder first;
    Recorder second;
    doc.addObserver(&first);
    doc.addObserver(&second);
    // The first observer reacts with a change of its own: the second hears
    // the first change before that one.
    first.also = [&](const DocumentChange& c) {
        if (c.has(DocumentChange::ObjectsChanged) && c.aspects == ObjectAspect::Text)
            doc.notifyObjectChanged(0, ObjectAspect::State);
    };
    doc.notifyObjectChanged(0, ObjectAspect::Text);
    ASSERT_EQ(second.seen.size(), 2u);
    EXPECT_EQ(second.seen[0].aspects, ObjectAspect::Text);
    EXPECT_EQ(second.seen[1].aspects, ObjectAspect::State);

    // An observer that removes another while it is told: the other one is
    // not told any more.
    first.also = [&](const DocumentChange&) { doc.removeObserver(&second); };
    doc.notifyHeaderChanged();
    EXPECT_EQ(second.seen.size(), 2u);
}

TEST(DocumentChange, ALoadIsOneReplacementAndACopyHasNoObservers)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.vlt"));
    Document original;
    label(original, QStringLiteral("a"));
    ASSERT_TRUE(saveDocument(original, file).ok);

    Document doc;
    Recorder r;
    doc.addObserver(&r);
    ASSERT_TRUE(loadDocument(doc, file).ok);
    ASSERT_EQ(r.seen.size(), 1u);
    EXPECT_TRUE(r.seen[0].has(DocumentChange::Replaced));

    Document copy = doc;
    label(copy, QStringLiteral("b"));
    EXPECT_EQ(r.seen.size(), 1u);
    // Assigning keeps the observers of the assigned-to document.
    doc = copy;
    doc.notifyReplaced();
    EXPECT_EQ(r.seen.size(), 2u);
}
