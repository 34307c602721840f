#include "document/objectkinds.h"

#include <algorithm>
#include <array>

namespace velunto {

namespace {

using namespace KindFlag;
using P = DrawnBy;
using O = PointOpening;
using S = QuestionStep;

// Flags that several kinds share.
constexpr std::uint32_t kAuthoredOnPage = Authored | EditorKind | DeletedWithAll;
constexpr std::uint32_t kAskedField =
    Query | Coverable | CoveredBox | Numbered | OrderList | ClickableInView | Askable;
constexpr std::uint32_t kWorksheetAnswer = AnswerBox | ShowsAnswer;
constexpr std::uint32_t kBasketCard =
    Query | Coverable | Numbered | OrderList | ClickableInView | Askable;
constexpr std::uint32_t kPointInExercise = ClickableInExercise | UsableInExerciseOnlyIfMarked;

KindInfo row(int kind, const char* name, const char* shownAs, int owner, DrawnBy drawnBy,
             std::uint32_t flags, PointOpening opens = O::None, QuestionStep step = S::None)
{
    KindInfo k;
    k.kind = kind;
    k.name = name;
    k.shownAs = shownAs;
    k.owner = owner;
    k.drawnBy = drawnBy;
    k.flags = flags;
    k.opens = opens;
    k.step = step;
    return k;
}

KindInfo point(KindInfo k, const char* title, ColorRef colour)
{
    k.pointTitle = title;
    k.pointColour = colour;
    return k;
}

using namespace ObjectKind;

const std::array kKinds = {
    // The kinds of the object editor, in every document type.
    row(QueryLabel, "QueryLabel", "Abfrage-Beschriftung", DokTyp::Free, P::TextCard,
        kAuthoredOnPage | TextKind | kAskedField | ClickableInEditor | TextEntry |
            kWorksheetAnswer),
    row(FixedLabel, "FixedLabel", "Fixe Beschriftung", DokTyp::Free, P::TextCard,
        kAuthoredOnPage | TextKind | Fixed | ClickableInEditor),
    point(row(InfoPoint, "InfoPoint", "Infopunkt", DokTyp::Free, P::Point,
              kAuthoredOnPage | PointKind | TextKind | Password | Fixed | ClickableInView |
                  ClickableInEditor | kPointInExercise | OffWorksheet,
              O::InfoText),
          "Info", 0xFD5F00),
    row(GapCard, "GapCard", "", DokTyp::Cloze, P::ContentType,
        DeletedWithAll | kAskedField | TextEntry | kWorksheetAnswer | ClozeQuestionMark),
    point(row(ExternalLink, "ExternalLink", "Link: Externe Verknüpf.", DokTyp::Free, P::Point,
              kAuthoredOnPage | PointKind | LinkPath | Password | Fixed | ClickableInView |
                  ClickableInEditor | kPointInExercise | OffWorksheet,
              O::ExternalTarget),
          "Link", 0x2F35A4),
    point(row(DocumentLink, "DocumentLink", "Dok.: Interne Verknüpf.", DokTyp::Free, P::Point,
              kAuthoredOnPage | PointKind | LinkPath | Fixed | ClickableInView | ClickableInEditor |
                  kPointInExercise | OffWorksheet,
              O::TopicDocument),
          "Dok.", 0x4A9829),
    row(QueryImage, "QueryImage", "Abfrage-Bild", DokTyp::Free, P::PictureCard,
        kAuthoredOnPage | PictureKind | StoresPicture | kAskedField | ClickableInEditor |
            kWorksheetAnswer),
    row(FixedImage, "FixedImage", "Fixes Bild", DokTyp::Free, P::PictureCard,
        kAuthoredOnPage | PictureKind | StoresPicture | Fixed | ClickableInEditor),
    row(ImageLink, "ImageLink", "Bild-Link", DokTyp::Free, P::PictureCard,
        kAuthoredOnPage | PictureKind | StoresPicture | LinkPath | Password | Fixed |
            ClickableInView | ClickableInEditor | kPointInExercise,
        O::ExternalTarget),

    // Single questions.
    row(QuestionAnswer, "QuestionAnswer", "", DokTyp::Questions, P::ContentType,
        Coverable | CoveredBox | ClickableAsQuestion | Askable | kWorksheetAnswer),
    row(QuestionText, "QuestionText", "", DokTyp::Questions, P::ContentType, 0),
    row(NavPrevious, "NavPrevious", "", DokTyp::Questions, P::ContentType, ClickableInView, O::None,
        S::Previous),
    row(NavNext, "NavNext", "", DokTyp::Questions, P::ContentType, ClickableInView, O::None,
        S::Next),
    row(NavFirst, "NavFirst", "", DokTyp::Questions, P::ContentType, ClickableInView, O::None,
        S::First),
    row(NavLast, "NavLast", "", DokTyp::Questions, P::ContentType, ClickableInView, O::None,
        S::Last),
    row(NavRandom, "NavRandom", "", DokTyp::Questions, P::ContentType, ClickableInView, O::None,
        S::Random),
    row(QuestionCaption, "QuestionCaption", "", DokTyp::Questions, P::ContentType, 0),

    // Multiple choice.
    row(McQuestion, "McQuestion", "", DokTyp::MultipleChoice, P::ContentType,
        Authored | McQuestionKind | OrderList | Askable),
    row(McImageQuestion, "McImageQuestion", "", DokTyp::MultipleChoice, P::ContentType,
        Authored | McQuestionKind | StoresPicture | OrderList | Askable),
    row(McQuestionText, "McQuestionText", "", DokTyp::MultipleChoice, P::ContentType, 0),
    row(McQuestionImage, "McQuestionImage", "", DokTyp::MultipleChoice, P::ContentType, 0),
    row(McAnswerBox, "McAnswerBox", "", DokTyp::MultipleChoice, P::ContentType,
        Coverable | CoveredBox | ClickableAsQuestion | ShowsAnswer),
    row(McAnswerText, "McAnswerText", "", DokTyp::MultipleChoice, P::ContentType, 0),
    row(McOkButton, "McOkButton", "", DokTyp::MultipleChoice, P::ContentType, 0),
    row(McAnswerImage, "McAnswerImage", "", DokTyp::MultipleChoice, P::ContentType, 0),
    row(McInfoPoint, "McInfoPoint", "", DokTyp::MultipleChoice, P::ContentType,
        Fixed | ClickableAsQuestion | ClickableInExercise | OffWorksheet, O::InfoText),
    row(McLink, "McLink", "", DokTyp::MultipleChoice, P::ContentType,
        Fixed | ClickableAsQuestion | ClickableInExercise | OffWorksheet, O::ExternalTarget),

    // Table cloze.
    row(TableFixedImage, "TableFixedImage", "", DokTyp::Cloze, P::ContentType, Fixed),
    row(TableQueryImage, "TableQueryImage", "", DokTyp::Cloze, P::ContentType,
        kAskedField | kWorksheetAnswer | ClozeQuestionMark),
    row(TableImageLink, "TableImageLink", "", DokTyp::Cloze, P::ContentType,
        Fixed | ClickableInView | kPointInExercise, O::ExternalTarget),
    row(TableQueryText, "TableQueryText", "", DokTyp::Cloze, P::ContentType,
        kAskedField | kWorksheetAnswer | ClozeQuestionMark),

    // Cluster.
    row(ClusterFixedText, "ClusterFixedText", "", DokTyp::Cluster, P::ContentType, Fixed),
    row(ClusterQueryText, "ClusterQueryText", "", DokTyp::Cluster, P::ContentType, kBasketCard),
    row(ClusterFixedImage, "ClusterFixedImage", "", DokTyp::Cluster, P::ContentType, Fixed),
    row(ClusterQueryImage, "ClusterQueryImage", "", DokTyp::Cluster, P::ContentType, kBasketCard),

    // Cross assignment.
    row(PairFixedText, "PairFixedText", "", DokTyp::CrossAssign, P::ContentType, Fixed | Hideable),
    row(PairQueryText, "PairQueryText", "", DokTyp::CrossAssign, P::ContentType,
        kBasketCard | Hideable),
    row(PairFixedImage, "PairFixedImage", "", DokTyp::CrossAssign, P::ContentType,
        Fixed | Hideable),
    row(PairQueryImage, "PairQueryImage", "", DokTyp::CrossAssign, P::ContentType,
        kBasketCard | Hideable),

    // Crossword.
    // The letter boxes belong to the crossword editor: the object editor
    // can neither pick nor change them.
    row(CrosswordCell, "CrosswordCell", "", DokTyp::Crossword, P::ContentType,
        kAskedField | TextEntry | kWorksheetAnswer),

    // Cloze with wrong words.
    row(DistractorCard, "DistractorCard", "", DokTyp::Cloze, P::ContentType, 0),
};

} // namespace

std::span<const KindInfo> allKinds()
{
    return kKinds;
}

const KindInfo* findKind(int kind)
{
    const auto it = std::lower_bound(kKinds.begin(), kKinds.end(), kind,
                                     [](const KindInfo& k, int value) { return k.kind < value; });
    return it != kKinds.end() && it->kind == kind ? &*it : nullptr;
}

bool kindHas(int kind, std::uint32_t flags)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr && (k->flags & flags) == flags;
}

std::vector<int> kindsWith(std::uint32_t flags)
{
    std::vector<int> result;
    for (const KindInfo& k : kKinds) {
        if ((k.flags & flags) == flags)
            result.push_back(k.kind);
    }
    return result;
}

bool isContentKind(int kind)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr && k->owner != DokTyp::Free;
}

bool opensInExercise(const ObjDataTyp& object)
{
    if (!kindHas(object.Typ, ClickableInExercise))
        return false;
    return !kindHas(object.Typ, UsableInExerciseOnlyIfMarked) || object.PunktInUebung == 1;
}

PointOpening pointOpening(int kind)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr ? k->opens : PointOpening::None;
}

QuestionStep questionStep(int kind)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr ? k->step : QuestionStep::None;
}

QString defaultPointTitle(int kind)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr ? QString::fromUtf8(k->pointTitle) : QString();
}

ColorRef pointColour(int kind)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr ? k->pointColour : 0xFFFFFF;
}

QString objectKindName(int kind)
{
    const KindInfo* k = findKind(kind);
    return k != nullptr ? QString::fromUtf8(k->shownAs) : QString();
}

} // namespace velunto
