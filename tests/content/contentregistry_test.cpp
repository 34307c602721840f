#include "content/contentregistry.h"
#include "content/ui/editorregistry.h"
#include "document/document.h"
#include "document/documentfile.h"
#include "platform/prompter.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTemporaryDir>

using namespace velunto;

namespace {

constexpr int kTestType = 99; // no type of the program

// A type of its own: it builds one card, paints it as a red square and asks
// it in an exercise.
ContentType testType(std::vector<ComposeStage>& stages, std::vector<int>& painted)
{
    ContentType t;
    t.dokTyp = kTestType;
    t.ownedKinds = {ObjectKind::DistractorCard};
    t.build = [](Document& d, bool create) {
        if (!create)
            return;
        for (int i = d.objectCount() - 1; i >= 0; --i) {
            if (d.objects[i].Typ == ObjectKind::DistractorCard)
                d.deleteObject(i);
        }
        d.addGeneratedObject(ObjectKind::DistractorCard, Layer::TextsAndImages,
                             QStringLiteral("gebaut"), -1, 0.5, 0.5, Side::Centre, 0);
    };
    t.painters[ObjectKind::DistractorCard] = [&painted](DrawContext& ctx, int index) {
        painted.push_back(index);
        const QRect card(ctx.toPicture(0.45, 0.45), ctx.toPicture(0.55, 0.55));
        ctx.painter->fillRect(card, Qt::red);
        return card;
    };
    t.composeStage = [&stages](ComposeStage stage, DrawContext&) { stages.push_back(stage); };
    t.askedKinds = {ObjectKind::DistractorCard};
    return t;
}

} // namespace

TEST(ContentRegistry, ATypeRegisteredAloneBuildsPaintsAndIsAsked)
{
    std::vector<ComposeStage> stages;
    std::vector<int> painted;
    const ScopedContentType registered(testType(stages, painted));

    // Saved without its generated card, the document gets it back at the load.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("eigen.vlt"));
    Document original;
    original.header.DokTyp = kTestType;
    original.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, Side::Automatic);
    ASSERT_TRUE(saveDocument(original, file).ok);
    Document doc;
    ASSERT_TRUE(loadDocument(doc, file).ok);
    ASSERT_EQ(doc.objectCount(), 2);
    EXPECT_EQ(doc.objects[1].Typ, ObjectKind::DistractorCard);
    EXPECT_EQ(doc.objects[1].Text, QStringLiteral("gebaut"));
    // Building again replaces the card instead of adding another.
    doc.rebuildContent();
    EXPECT_EQ(doc.objectCount(), 2);

    // Its painter draws its card, and its stages are run.
    Session session;
    ViewState view{session};
    view.setViewport(QSize(400, 300));
    derivePageGeometry(doc.header, doc.baseImage.size());
    PageComposer composer(doc, view);
    composer.redraw();
    EXPECT_EQ(painted, std::vector<int>{1});
    EXPECT_EQ(composer.page().pixel(view.pageToPicture(0.5, 0.5)), qRgb(255, 0, 0));
    EXPECT_TRUE(composer.cards().wasDrawn(1));
    using S = ComposeStage;
    EXPECT_EQ(stages, (std::vector<S>{S::Canvas, S::PageReady, S::Background, S::AfterObjects}));

    // An exercise is offered what it asks.
    EXPECT_EQ(askedObjects(doc), std::vector<int>{1});
    EXPECT_TRUE(askedObjects(doc, true).empty());
}

TEST(ContentRegistry, SubTypesBeforeTheWholeTypeAndScopesRestore)
{
    ContentRegistry r;
    ContentType whole;
    whole.dokTyp = DokTyp::Cloze;
    whole.askedKinds = {ObjectKind::GapCard};
    ContentType table = whole;
    table.dokUnterTyp = ClozeSubType::Table;
    table.askedKinds = {ObjectKind::TableQueryText};
    r.add(whole);
    r.add(table);
    EXPECT_EQ(r.find(DokTyp::Cloze, ClozeSubType::Table)->askedKinds,
              std::vector<int>{ObjectKind::TableQueryText});
    EXPECT_EQ(r.find(DokTyp::Cloze, ClozeSubType::CTest)->askedKinds,
              std::vector<int>{ObjectKind::GapCard});
    EXPECT_EQ(r.find(DokTyp::Cluster, 0), nullptr);
    r.remove(DokTyp::Cloze, ContentType::kEverySubType);
    EXPECT_EQ(r.find(DokTyp::Cloze, ClozeSubType::CTest), nullptr);

    // A scoped registration puts back the type it replaced.
    const std::vector<int> asked = contentRegistry().find(DokTyp::Free, 0)->askedKinds;
    {
        const ScopedContentType replaced({.dokTyp = DokTyp::Free});
        EXPECT_TRUE(contentRegistry().find(DokTyp::Free, 0)->askedKinds.empty());
    }
    EXPECT_EQ(contentRegistry().find(DokTyp::Free, 0)->askedKinds, asked);
}

TEST(EditorRegistry, TheFreePageOpensTheObjectEditor)
{
    Document doc;
    ScriptedPrompter prompter;
    int opened = 0;
    EditorHost host{doc, prompter, nullptr, [&] { ++opened; }};
    const EditorFactory free = editorRegistry().find(DokTyp::Free, 0);
    ASSERT_TRUE(bool(free));
    EXPECT_FALSE(free(host));
    EXPECT_EQ(opened, 1);

    EditorRegistry r;
    r.add(kTestType, EditorRegistry::kEverySubType, [](EditorHost&) { return true; });
    EXPECT_TRUE(r.find(kTestType, 3)(host));
    EXPECT_FALSE(bool(r.find(DokTyp::Free, 0)));
}
