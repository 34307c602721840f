#include "exercise/askedkinds.h"

#include "document/records.h"

#include <algorithm>

namespace velunto {

bool AskedKinds::asks(int kind) const
{
    return std::find(choice.begin(), choice.end(), kind) != choice.end();
}

bool AskedKinds::typesInto(int kind) const
{
    return std::find(textEntry.begin(), textEntry.end(), kind) != textEntry.end();
}

AskedKinds builtInAskedKinds(int dokTyp)
{
    using namespace ObjectKind;
    switch (dokTyp) {
    case DokTyp::Free:
    case DokTyp::Cloze:
    case DokTyp::Crossword:
        return {{QueryLabel, GapCard, QueryImage, TableQueryImage, TableQueryText, CrosswordCell},
                {QueryLabel, GapCard, CrosswordCell}};
    case DokTyp::Questions:
        return {{QuestionAnswer}, {}};
    case DokTyp::MultipleChoice:
        return {{McQuestion, McImageQuestion}, {}};
    case DokTyp::Cluster:
        return {{ClusterQueryText, ClusterQueryImage}, {}};
    case DokTyp::CrossAssign:
        return {{PairQueryText, PairQueryImage}, {}};
    default:
        return {};
    }
}

} // namespace velunto
