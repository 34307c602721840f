#include "content/crossassign/ui/paireditor.h"

#include "content/cluster/ui/gaptableeditor.h"
#include "document/document.h"
#include "platform/ui/dialogrunner.h"

namespace velunto {

bool openPairEditor(EditorHost& host)
{
    DocumentChangeBatch batch(host.document);
    GapTableEditor editor(GapTableEditor::Type::Pairs, host.document, host.prompter, host.parent);
    const bool accepted = runDialog(editor) == QDialog::Accepted;
    return finishContentEditor(host.document, accepted, editor.pageChanged());
}

} // namespace velunto
