#include "content/cluster/ui/clustereditor.h"

#include "content/cluster/ui/gaptableeditor.h"
#include "document/document.h"
#include "platform/ui/dialogrunner.h"

namespace velunto {

bool openClusterEditor(EditorHost& host)
{
    // What OK rebuilds reaches the page as one change.
    DocumentChangeBatch batch(host.document);
    GapTableEditor editor(GapTableEditor::Type::Cluster, host.document, host.prompter,
                          host.parent);
    const bool accepted = runDialog(editor) == QDialog::Accepted;
    return finishContentEditor(host.document, accepted, editor.pageChanged());
}

} // namespace velunto
