#include "content/cloze/clozecontent.h"

#include "document/document.h"
#include "document/documenttypes.h"
#include "document/linelayout.h"
#include "document/objectkinds.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

constexpr int kMaxGapLetters = 30;
constexpr double kMaxIndentMargin = 0.6;

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

QStringList clozeCellKindNames()
{
    return {QStringLiteral("Text"), QStringLiteral("Stat. Bild"), QStringLiteral("Abfrage-Bild"),
            QStringLiteral("Bild-Link"), QStringLiteral("Abfrage-Text")};
}

bool isClozePictureCell(int art)
{
    return art == CellKind::FixedImage || art == CellKind::QueryImage || art == CellKind::ImageLink;
}

int tableObjectKind(int art)
{
    switch (art) {
    case CellKind::FixedImage:
        return ObjectKind::TableFixedImage;
    case CellKind::QueryImage:
        return ObjectKind::TableQueryImage;
    case CellKind::ImageLink:
        return ObjectKind::TableImageLink;
    case CellKind::QueryText:
        return ObjectKind::TableQueryText;
    default:
        return -1;
    }
}

std::vector<GapMark> scanGaps(QStringView text)
{
    std::vector<GapMark> gaps;
    const qsizetype n = text.size();
    qsizetype segStart = 0;  // where a gap without "<<" would begin
    qsizetype gapStart = -1; // "<<" of the open gap
    auto close = [&](qsizetype contentStart, qsizetype contentEnd, qsizetype start, qsizetype end) {
        GapMark gap;
        gap.start = start;
        gap.end = end;
        gap.content = removeTags(text.mid(contentStart, contentEnd - contentStart));
        gap.alternatives = gapAlternatives(gap.content);
        gaps.push_back(std::move(gap));
    };
    qsizetype pos = 0;
    while (pos < n) {
        if (isLineBreak(text[pos])) {
            if (gapStart >= 0)
                close(gapStart + 2, pos, gapStart, pos);
            gapStart = -1;
            segStart = pos + 1;
            ++pos;
            continue;
        }
        const MarkupTag tag = tagAt(text, pos);
        if (tag.kind == TagKind::GapClose) {
            if (gapStart >= 0)
                close(gapStart + 2, pos, gapStart, pos + 2);
            else
                close(segStart, pos, segStart, pos + 2);
            gapStart = -1;
            segStart = pos + 2;
            pos += 2;
        } else if (tag.kind == TagKind::GapOpen && gapStart < 0) {
            gapStart = pos;
            pos += 2;
        } else if (tag.kind != TagKind::None) {
            if (gapStart < 0)
                segStart = pos + tag.length;
            pos += tag.length;
        } else {
            ++pos;
        }
    }
    if (gapStart >= 0)
        close(gapStart + 2, n, gapStart, n);
    return gaps;
}

EditedText setGap(const QString& text, int start, int length)
{
    const int size = static_cast<int>(text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (length == 0)
        return {text, start, 0};
    return wrapSelection(text, start, length, QStringLiteral("<<"), QStringLiteral(">>"));
}

QString removeGapMarks(QStringView text)
{
    QString result = text.toString();
    result.remove(QStringLiteral("<<"));
    result.remove(QStringLiteral(">>"));
    return result;
}

EditedText removeGapMarksInSelection(const QString& text, int start, int length)
{
    const int size = static_cast<int>(text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    const QString cleaned = removeGapMarks(QStringView(text).mid(start, length));
    return {text.left(start) + cleaned + text.mid(start + length), start,
            static_cast<int>(cleaned.size())};
}

QStringList wrongWords(const QString& fragentext)
{
    QStringList words;
    for (const QString& line : splitParagraphs(fragentext)) {
        if (!line.trimmed().isEmpty())
            words << line;
    }
    return words;
}

int usableMinGap(int minLuecke)
{
    return std::clamp(minLuecke, 0, kMaxGapLetters);
}

RectD usableIndentMargins(const RectD& m)
{
    auto usable = [](double v) {
        return std::isfinite(v) ? std::clamp(v, 0.0, kMaxIndentMargin) : 0.0;
    };
    return {usable(m.left), usable(m.top), usable(m.right), usable(m.bottom)};
}

void startClozeDocument(Document& document, int subType)
{
    document.header.DokTyp = DokTyp::Cloze;
    document.header.DokUnterTyp = subType;
    document.header.EinrueckRand = defaultEinrueckRand(DokTyp::Cloze);
}

} // namespace velunto
