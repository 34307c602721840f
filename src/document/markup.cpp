#include "document/markup.h"

#include "document/records.h"

#include <algorithm>

namespace velunto {

namespace {

bool startsWithAt(QStringView text, qsizetype pos, QStringView word)
{
    return text.mid(pos).startsWith(word, Qt::CaseInsensitive);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Two decimal digits at pos, or -1.
int twoDigitsAt(QStringView text, qsizetype pos)
{
    if (pos + 2 > text.size() || !isDigit(text[pos]) || !isDigit(text[pos + 1]))
        return -1;
    return (text[pos].unicode() - u'0') * 10 + (text[pos + 1].unicode() - u'0');
}

struct SimpleTag
{
    QStringView spelling;
    TagKind kind;
};

constexpr SimpleTag kSimpleTags[] = {
    {u"<b>", TagKind::BoldOn},      {u"</b>", TagKind::BoldOff},
    {u"<i>", TagKind::ItalicOn},    {u"</i>", TagKind::ItalicOff},
    {u"<u>", TagKind::UnderlineOn}, {u"</u>", TagKind::UnderlineOff},
    {u"<<", TagKind::GapOpen},      {u">>", TagKind::GapClose},
    {u"<@linie>", TagKind::Rule},   {u"</@col>", TagKind::ColourOff},
};

QString removeTagsIf(QStringView text, bool (*remove)(TagKind))
{
    QString result;
    result.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const MarkupTag tag = tagAt(text, pos);
        if (tag.kind != TagKind::None && remove(tag.kind)) {
            pos += tag.length;
            continue;
        }
        result += text[pos];
        ++pos;
    }
    return result;
}

bool isWhite(QChar c)
{
    return c.unicode() <= u' ';
}

bool isFinalPunctuation(QChar c)
{
    return c == u'.' || c == u',' || c == u';' || c == u':' || c == u'?' || c == u'!';
}

} // namespace

MarkupTag tagAt(QStringView text, qsizetype pos)
{
    if (pos < 0 || pos >= text.size())
        return {};
    const QChar c = text[pos];
    if (c != u'<' && c != u'>')
        return {};
    for (const SimpleTag& t : kSimpleTags) {
        if (startsWithAt(text, pos, t.spelling))
            return {t.kind, static_cast<int>(t.spelling.size()), 0};
    }
    if (startsWithAt(text, pos, u"<@posx=")) {
        const int nn = twoDigitsAt(text, pos + 7);
        if (nn >= 0 && startsWithAt(text, pos + 9, u"%>"))
            return {TagKind::TabStop, 11, nn};
    }
    if (startsWithAt(text, pos, u"<@reb=")) {
        const int nn = twoDigitsAt(text, pos + 6);
        if (nn >= 0 && startsWithAt(text, pos + 8, u">"))
            return {TagKind::RightAlign, 9, nn};
    }
    if (startsWithAt(text, pos, u"<@col=") && pos + 13 <= text.size()) {
        bool hex = true;
        for (qsizetype i = pos + 6; i < pos + 12; ++i)
            hex = hex && isHexDigit(text[i]);
        if (hex && text[pos + 12] == u'>')
            return {TagKind::ColourOn, 13, 0};
    }
    return {};
}

bool isStyleTag(TagKind kind)
{
    switch (kind) {
    case TagKind::BoldOn:
    case TagKind::BoldOff:
    case TagKind::ItalicOn:
    case TagKind::ItalicOff:
    case TagKind::UnderlineOn:
    case TagKind::UnderlineOff:
        return true;
    default:
        return false;
    }
}

int styleBitOf(TagKind kind)
{
    switch (kind) {
    case TagKind::BoldOn:
    case TagKind::BoldOff:
        return StyleBit::Bold;
    case TagKind::ItalicOn:
    case TagKind::ItalicOff:
        return StyleBit::Italic;
    case TagKind::UnderlineOn:
    case TagKind::UnderlineOff:
        return StyleBit::Underline;
    default:
        return 0;
    }
}

bool switchesOn(TagKind kind)
{
    return kind == TagKind::BoldOn || kind == TagKind::ItalicOn || kind == TagKind::UnderlineOn;
}

QString removeTags(QStringView text)
{
    return removeTagsIf(
        text, [](TagKind kind) { return kind != TagKind::GapOpen && kind != TagKind::GapClose; });
}

QString removeStyleTags(QStringView text)
{
    return removeTagsIf(text, isStyleTag);
}

QStringList gapAlternatives(QStringView content)
{
    QStringList alternatives;
    for (QStringView part : content.split(u'|'))
        alternatives << part.trimmed().toString();
    return alternatives;
}

QString gapAnswerList(QStringView content)
{
    return u'|' + gapAlternatives(content).join(u'|') + u'|';
}

EditedText wrapSelection(const QString& text, int start, int length, const QString& open,
                         const QString& close)
{
    const int size = static_cast<int>(text.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    const QStringView selected = QStringView(text).mid(start, length);

    if (selected.isEmpty()) {
        return {text.left(start) + open + close + text.mid(start),
                start + static_cast<int>(open.size()), 0};
    }

    int first = 0;
    int last = length; // one past the core
    while (first < last && isWhite(selected[first]))
        ++first;
    while (last > first && isWhite(selected[last - 1]))
        --last;
    const QString lead = first > 0 ? QStringLiteral(" ") : QString();
    QString trail = last < length ? QStringLiteral(" ") : QString();
    QString core = selected.mid(first, last - first).toString();
    if (!core.isEmpty() && isFinalPunctuation(core.back())) {
        trail.prepend(core.back());
        core.chop(1);
    }

    const QString wrapped = open + core + close;
    EditedText result;
    result.text = text.left(start) + lead + wrapped + trail + text.mid(start + length);
    result.selectionStart = start + static_cast<int>(lead.size());
    result.selectionLength = static_cast<int>(wrapped.size());
    return result;
}

EditedText wrapSelectionInStyleTag(const QString& text, int start, int length, int styleBit)
{
    const QString letter = styleBit == StyleBit::Bold     ? QStringLiteral("b")
                           : styleBit == StyleBit::Italic ? QStringLiteral("i")
                                                          : QStringLiteral("u");
    return wrapSelection(text, start, length, QStringLiteral("<") + letter + u'>',
                         QStringLiteral("</") + letter + u'>');
}

} // namespace velunto
