#include "content/cluster/clustertype.h"

#include "content/cluster/clusterlayout.h"
#include "content/cluster/clusterpainting.h"

namespace velunto {

ContentType clusterContentType()
{
    using namespace ObjectKind;
    ContentType t;
    t.dokTyp = DokTyp::Cluster;
    t.build = buildCluster;
    t.ownedKinds = {ClusterFixedText, ClusterQueryText, ClusterFixedImage, ClusterQueryImage};
    for (int kind : t.ownedKinds)
        t.painters[kind] = drawClusterCard;
    // The baskets lie on the canvas, under everything drawn later.
    t.composeStage = [](ComposeStage stage, DrawContext& context) {
        if (stage == ComposeStage::Canvas)
            paintClusterBackground(context);
    };
    t.askedKinds = {ClusterQueryText, ClusterQueryImage};
    return t;
}

} // namespace velunto
