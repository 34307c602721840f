#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace velunto {

// Everything the program knows about an object kind, in one table (the
// KindInfo rows of objectkinds.cpp). Every kind test and kind set below reads
// that table; no other file names a kind by its number.

// What a kind takes part in. Each flag is one rule of the program.
namespace KindFlag {
enum : std::uint32_t {
    Authored = 1u << 0,             // made by an author in an editor (kinds 0..8 but 3, 20, 21)
    EditorKind = 1u << 1,           // one of the eight kinds of the object editor's kind buttons;
                                    // moved by "Transformieren" and the page geometry, aligned
                                    // by "Alle Objekte am Raster ausrichten"
    DeletedWithAll = 1u << 2,       // removed by "Alle löschen" (every kind below 10)
    PointKind = 1u << 3,            // a point with a title: info point, external and document link
    PictureKind = 1u << 4,          // an authored picture card
    TextKind = 1u << 5,             // an authored text card
    LinkPath = 1u << 6,             // Text holds the path of a linked file
    Password = 1u << 7,             // BildKenn holds a password instead of a picture identifier
    StoresPicture = 1u << 8,        // stored with a picture of its own
    McQuestionKind = 1u << 9,       // a multiple-choice question
    Fixed = 1u << 10,               // drawn into Background: never changes while the page is shown
    Query = 1u << 11,               // a query field: drawn last, on top of everything else
    Coverable = 1u << 12,           // toggled between covered and uncovered by a click
    CoveredBox = 1u << 13,          // shown as the light blue box with "?" while covered
    Numbered = 1u << 14,            // gets Nummer = its position in the order list
    OrderList = 1u << 15,           // taken into the order list by numbering
    ClickableInView = 1u << 16,     // clickable in the learning view
    ClickableAsQuestion = 1u << 17, // clickable in the learning view while its
                                    // question is the current one
    ClickableInEditor = 1u << 18,   // picked on the page and in the list of the object editor
    ClickableInExercise = 1u << 19, // opens on the page during an exercise
    UsableInExerciseOnlyIfMarked = 1u << 20, // ... only with "Auch in der Übung verfügbar"
    Askable = 1u << 21,                      // asked in an exercise of some document type
    TextEntry = 1u << 22,                    // asked as a typed text in the text-entry mode
    AnswerBox = 1u << 23,                    // gets an answer box on a worksheet
    ShowsAnswer = 1u << 24,                  // shows its answer on the solution sheets
    ClozeQuestionMark = 1u << 25,            // its covered "?" follows the cloze font correction
    Hideable = 1u << 26,                     // drawn only while Sichtbar is set
    OffWorksheet = 1u << 27,                 // never drawn on a worksheet (the points and buttons)
};
}

// Which painter draws a kind. The content types register the painters of the
// kinds they own; a kind without one is drawn as a text card.
enum class DrawnBy { TextCard, PictureCard, Point, ContentType };

// What a click on the page opens (OpenPoint).
enum class PointOpening { None, InfoText, ExternalTarget, TopicDocument };

// How a navigation button of single questions moves CurrentQuestion.
enum class QuestionStep { None, Previous, Next, First, Last, Random };

struct KindInfo
{
    int kind = -1;
    const char* name = "";    // the name in code, as in ObjectKind
    const char* shownAs = ""; // what an author sees; empty for generated kinds
    int owner = DokTyp::Free; // the document type whose content the kind belongs to
    DrawnBy drawnBy = DrawnBy::TextCard;
    std::uint32_t flags = 0;
    PointOpening opens = PointOpening::None;
    QuestionStep step = QuestionStep::None;
    const char* pointTitle = ""; // the title a new point starts with
    ColorRef pointColour = 0xFFFFFF;
};

// Every kind there is, in ascending order.
std::span<const KindInfo> allKinds();
// The row of a kind; nullptr for a number that is no kind.
const KindInfo* findKind(int kind);
// True when kind is a known kind with every bit of flags.
bool kindHas(int kind, std::uint32_t flags);
// The kinds with every bit of flags, in ascending order.
std::vector<int> kindsWith(std::uint32_t flags);

// --- named kind tests ---------------------------------------------------------

inline bool isAuthoredKind(int kind)
{
    return kindHas(kind, KindFlag::Authored);
}
inline bool isEditorKind(int kind)
{
    return kindHas(kind, KindFlag::EditorKind);
}
inline bool isDeletedWithAll(int kind)
{
    return kindHas(kind, KindFlag::DeletedWithAll);
}
inline bool isPointKind(int kind)
{
    return kindHas(kind, KindFlag::PointKind);
}
inline bool isPictureKind(int kind)
{
    return kindHas(kind, KindFlag::PictureKind);
}
inline bool isTextKind(int kind)
{
    return kindHas(kind, KindFlag::TextKind);
}
inline bool hasLinkPath(int kind)
{
    return kindHas(kind, KindFlag::LinkPath);
}
inline bool hasPassword(int kind)
{
    return kindHas(kind, KindFlag::Password);
}
inline bool storesPicture(int kind)
{
    return kindHas(kind, KindFlag::StoresPicture);
}
inline bool isMcQuestionKind(int kind)
{
    return kindHas(kind, KindFlag::McQuestionKind);
}
// Owned by a content type, not by the free page: what an editor that turns
// the document into its own type deletes first.
bool isContentKind(int kind);

// Page composition, covering and numbering.
inline bool isFixedKind(int kind)
{
    return kindHas(kind, KindFlag::Fixed);
}
inline bool isQueryKind(int kind)
{
    return kindHas(kind, KindFlag::Query);
}
inline bool isCoverableKind(int kind)
{
    return kindHas(kind, KindFlag::Coverable);
}
inline bool drawsCoveredBox(int kind)
{
    return kindHas(kind, KindFlag::CoveredBox);
}
inline bool isNumberedKind(int kind)
{
    return kindHas(kind, KindFlag::Numbered);
}
inline bool isOrderListKind(int kind)
{
    return kindHas(kind, KindFlag::OrderList);
}
inline bool isHideableKind(int kind)
{
    return kindHas(kind, KindFlag::Hideable);
}

// Clicks on the page in each state of the program.
inline bool isClickableKind(int kind)
{
    return kindHas(kind, KindFlag::ClickableInView);
}
inline bool isClickableForCurrentQuestion(int kind)
{
    return kindHas(kind, KindFlag::ClickableAsQuestion);
}
inline bool isEditorClickableKind(int kind)
{
    return kindHas(kind, KindFlag::ClickableInEditor);
}
// True when a click during an exercise opens the object: its kind opens
// there, and where it needs the author's "Auch in der Übung verfügbar",
// that is set.
bool opensInExercise(const ObjDataTyp& object);
PointOpening pointOpening(int kind);
QuestionStep questionStep(int kind);

// Worksheets.
inline bool hasAnswerBox(int kind)
{
    return kindHas(kind, KindFlag::AnswerBox);
}
inline bool showsAnswer(int kind)
{
    return kindHas(kind, KindFlag::ShowsAnswer);
}
inline bool isLeftOffWorksheets(int kind)
{
    return kindHas(kind, KindFlag::OffWorksheet);
}
inline bool followsClozeFontCorrection(int kind)
{
    return kindHas(kind, KindFlag::ClozeQuestionMark);
}

// "Info", "Link", "Dok." for the points, empty otherwise.
QString defaultPointTitle(int kind);
// Background colour of a point kind: 0xFD5F00, 0x2F35A4, 0x4A9829.
ColorRef pointColour(int kind);
// The name an author sees for an authored kind ("Abfrage-Beschriftung" ...),
// empty for generated kinds.
QString objectKindName(int kind);

} // namespace velunto
