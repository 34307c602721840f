#pragma once

#include "document/markup.h"
#include "document/records.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace velunto {

class Document;

// The cloze content of a document: the text with its gap marks
// ("Haus<<tür|Tür>>en"), the wrong words of the sub-types 3 and 4, and the
// gap table of the sub-type 1. Everything here works on the header and on
// plain strings; the layouts turn the content into page objects.

// The kinds of a gap-table cell (Art) in a table cloze.
namespace CellKind {
enum : int {
    Text = 0,       // "Text": text with gap marks
    FixedImage = 1, // "Stat. Bild"
    QueryImage = 2, // "Abfrage-Bild"
    ImageLink = 3,  // "Bild-Link"
    QueryText = 4,  // "Abfrage-Text": the whole text is one card
};
}
constexpr int kCellKindCount = 5;

// The names of the cell kinds as the editor lists them, by Art.
QStringList clozeCellKindNames();
// True for the kinds that carry a picture (1, 2, 3).
bool isClozePictureCell(int art);
// The object kind a non-text cell becomes: 31, 32, 33 for the pictures, 34
// for a query text; -1 for a text cell.
int tableObjectKind(int art);

// The gaps of a cloze text, by the rules of the page layout: the content
// runs from "<<" to the next ">>" (a "<<" inside it is text); a "<<" without
// ">>" keeps the rest of its paragraph inside the gap; a ">>" without "<<"
// makes a gap of the text since the previous tag, gap or paragraph start
// (the layout starts it after the last line break, which only it knows).
// Paragraphs end at line breaks.
struct GapMark
{
    qsizetype start = 0;      // first character of "<<" (of the content without one)
    qsizetype end = 0;        // one past ">>" (the paragraph end when unclosed)
    QString content;          // the text between the marks, style tags removed
    QStringList alternatives; // trimmed; the first is the answer
};
std::vector<GapMark> scanGaps(QStringView text);

// SetGap: wraps the selection in "<<" and ">>". White space at either end
// of the selection stays outside as one blank, and a final ".", ",", ";",
// ":", "?" or "!" stays behind the gap. An empty selection changes nothing.
EditedText setGap(const QString& text, int start, int length);
// Every "<<" and ">>" removed.
QString removeGapMarks(QStringView text);
// Every "<<" and ">>" of the selection removed; the selection keeps what is
// left of it.
EditedText removeGapMarksInSelection(const QString& text, int start, int length);

// The wrong words of fragentext: every line whose trimmed text is not empty,
// as written (with its blanks).
QStringList wrongWords(const QString& fragentext);

// The sub-types that lay out a flowing text (all but the table).
inline bool isFlowingCloze(int subType)
{
    return subType != ClozeSubType::Table;
}
// The sub-types with wrong words.
inline bool hasWrongWords(int subType)
{
    return subType == ClozeSubType::FlowingWithWrongWords ||
           subType == ClozeSubType::CTestWithWrongWords;
}
// The C-test sub-types, whose editor offers the C-test generator instead of
// the automatic gaps.
inline bool isCTest(int subType)
{
    return subType == ClozeSubType::CTest || subType == ClozeSubType::CTestWithWrongWords;
}

// The minimum gap width in letters "X" that the layouts use: MinLuecke
// within the editor's range 3..30 (a damaged file cannot ask for gaps of
// millions of letters).
int usableMinGap(int minLuecke);

// The indent margins EinrueckRand as the layouts use them: a value that is
// not a number counts as 0, every value lies in 0..0.6 (the margins dialog
// allows at most 60 % for two opposite margins together).
RectD usableIndentMargins(const RectD& margins);

// Turns the (just reset) document into a new cloze document of a sub-type:
// DokTyp 1, the sub-type and the indent margins a cloze starts with.
void startClozeDocument(Document& document, int subType);

} // namespace velunto
