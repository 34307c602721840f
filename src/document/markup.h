#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace velunto {

// The inline mark-up of page texts. Tags are recognised case-insensitively
// wherever they stand; every tag only switches something and is never drawn.
enum class TagKind {
    None,         // no tag at this position
    BoldOn,       // "<B>"
    BoldOff,      // "</B>"
    ItalicOn,     // "<I>"
    ItalicOff,    // "</I>"
    UnderlineOn,  // "<U>"
    UnderlineOff, // "</U>"
    GapOpen,      // "<<"
    GapClose,     // ">>"
    Rule,         // "<@LINIE>": a horizontal rule to the right edge
    TabStop,      // "<@POSX=nn%>": continue at nn percent of the width
    RightAlign,   // "<@REB=nn>": the next nn characters right-aligned in nn digit widths
    ColourOn,     // "<@COL=hhhhhh>": removed, changes nothing
    ColourOff,    // "</@COL>"
};

struct MarkupTag
{
    TagKind kind = TagKind::None;
    int length = 0; // characters the tag occupies
    int value = 0;  // nn of TabStop and RightAlign
};

// The tag that starts at pos in text, or kind None. "<@POSX", "<@REB" and
// "<@COL" tags whose digits are not what they must be are plain text.
MarkupTag tagAt(QStringView text, qsizetype pos);

// True for the six bold, italic and underline tags.
bool isStyleTag(TagKind kind);
// The StyleBit a style tag switches.
int styleBitOf(TagKind kind);
bool switchesOn(TagKind kind);

// text without any tag (gap marks "<<" and ">>" stay, they are text outside
// a cloze layout).
QString removeTags(QStringView text);
// text without "<b>", "</b>", "<i>", "</i>", "<u>", "</u>".
QString removeStyleTags(QStringView text);

// The alternatives of a gap's content, the parts between "|", each without
// leading and trailing blanks: "<<vier | Vier>>" accepts "vier" and "Vier",
// exactly as an author reads them. The first one is the gap's answer; an
// empty content is one empty alternative.
QStringList gapAlternatives(QStringView content);
// The accepted answers as a gap card keeps them: "|" + the alternatives
// joined by "|" + "|", so that "|" + answer + "|" finds one.
QString gapAnswerList(QStringView content);

// An editor's text with its selection.
struct EditedText
{
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};

// Wraps the selection [start, start + length) of text in open and close, the
// way the editors set tags and gaps: white space (any character up to the
// blank) at either end of the selection stays outside as one blank, and a
// final ".", ",", ";", ":", "?" or "!" moves behind close. The new selection
// covers open ... close, so that a second wrap encloses the first. An empty
// selection inserts open + close and leaves the cursor between them.
EditedText wrapSelection(const QString& text, int start, int length, const QString& open,
                         const QString& close);

// The object editor's buttons "Fett <b>...</b>", "Kursiv <i>...</i>" and
// "Unterstr. <u>...</u>": wrapSelection with the tag of one StyleBit.
EditedText wrapSelectionInStyleTag(const QString& text, int start, int length, int styleBit);

} // namespace velunto
