#include "content/ui/builtineditors.h"

#include "content/cloze/ui/clozeeditor.h"
#include "content/cluster/clustercontent.h"
#include "content/cluster/ui/clustereditor.h"
#include "content/crossassign/pairlayout.h"
#include "content/crossassign/ui/paireditor.h"
#include "content/crossword/crosswordlayout.h"
#include "content/crossword/ui/crosswordeditor.h"
#include "content/free/ui/freeeditor.h"
#include "content/multiplechoice/ui/multiplechoiceeditor.h"
#include "content/questions/ui/singlequestionseditor.h"
#include "content/ui/editorregistry.h"
#include "document/records.h"

namespace velunto {

void registerBuiltinEditors(EditorRegistry& r)
{
    r.add(DokTyp::Free, EditorRegistry::kEverySubType, openFreeEditor);
    r.add(DokTyp::Cloze, EditorRegistry::kEverySubType, openClozeEditor);
    {
        using namespace ClozeSubType;
        const int cloze = DokTyp::Cloze;
        r.addNewDocumentCommand({1, QStringLiteral("&Lückentext..."), cloze, Flowing, {}});
        r.addNewDocumentCommand({4,
                                 QStringLiteral("&Tabellarische Text-Bild-/Bild-Text-Zuordnung..."),
                                 cloze,
                                 Table,
                                 {}});
        r.addNewDocumentCommand({6, QStringLiteral("&C-Test-Generator..."), cloze, CTest, {}});
        r.addNewDocumentCommand({7,
                                 QStringLiteral("Erweiterter Lückentext mit &Falschwörtern..."),
                                 cloze,
                                 FlowingWithWrongWords,
                                 {}});
        r.addNewDocumentCommand({8,
                                 QStringLiteral("Erweiterter C-Test mit Falschwörtern..."),
                                 cloze,
                                 CTestWithWrongWords,
                                 {}});
    }

    r.add(DokTyp::Questions, EditorRegistry::kEverySubType, openSingleQuestionsEditor);
    r.addNewDocumentCommand({2, QStringLiteral("&Einzelfragen..."), DokTyp::Questions, 0, {}});
    r.add(DokTyp::MultipleChoice, EditorRegistry::kEverySubType, openMultipleChoiceEditor);
    r.addNewDocumentCommand({3, QStringLiteral("&Multiple-Choice-Fragen..."),
                             DokTyp::MultipleChoice, 0, {}});
    r.add(DokTyp::Cluster, EditorRegistry::kEverySubType, openClusterEditor);
    r.addNewDocumentCommand(
        {9, QStringLiteral("Clu&ster-Übung..."), DokTyp::Cluster, 0, prepareNewCluster});
    r.add(DokTyp::CrossAssign, EditorRegistry::kEverySubType, openPairEditor);
    r.addNewDocumentCommand(
        {10, QStringLiteral("Über-&Kreuz-Zuordnung..."), DokTyp::CrossAssign, 0, prepareNewPairs});
    r.add(DokTyp::Crossword, EditorRegistry::kEverySubType, openCrosswordEditor);
    r.addNewDocumentCommand(
        {11, QStringLiteral("Kreuz&worträtsel..."), DokTyp::Crossword, 0, prepareNewCrossword});
}

} // namespace velunto
