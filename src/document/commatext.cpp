#include "document/commatext.h"

#include <QStringList>

namespace velunto {

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';

bool needsQuotes(const QString& line)
{
    for (QChar c : line) {
        if (c.unicode() <= 32 || c == kQuote || c == kComma)
            return true;
    }
    return false;
}

// The lines of a text; CR LF, a lone CR and a lone LF each end a line, and a
// break at the very end does not start another line.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

} // namespace

QString toCommaText(const QString& text)
{
    const QStringList lines = splitLines(text);
    if (lines.size() == 1 && lines.front().isEmpty())
        return QStringLiteral("\"\"");
    QString result;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            result += kComma;
        const QString& line = lines[i];
        if (needsQuotes(line)) {
            QString quoted = line;
            quoted.replace(kQuote, QStringLiteral("\"\""));
            result += kQuote + quoted + kQuote;
        } else {
            result += line;
        }
    }
    return result;
}

QStringList readCommaItems(QStringView commaText)
{
    // A NUL ends the text, as it would in a C string; without this rule the
    // parser would never get past it.
    const qsizetype nul = commaText.indexOf(QChar(0));
    const QStringView s = commaText.first(nul < 0 ? commaText.size() : nul);
    const qsizetype n = s.size();

    QStringList items;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && isBlank(s[i]))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        QString item;
        if (s[i] == kQuote) {
            ++i;
            while (i < n) {
                if (s[i] == kQuote) {
                    if (i + 1 < n && s[i + 1] == kQuote) {
                        item += kQuote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += s[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && s[i].unicode() > 32 && s[i] != kComma)
                ++i;
            item = s.sliced(start, i - start).toString();
        }
        items << item;
        skipBlanks();
        if (i < n && s[i] == kComma) {
            ++i;
            skipBlanks();
        }
    }
    return items;
}

QString writeCommaItems(const QStringList& items)
{
    QString result;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            result += kComma;
        const QString& item = items[i];
        if (item.isEmpty() || needsQuotes(item)) {
            QString quoted = item;
            quoted.replace(kQuote, QStringLiteral("\"\""));
            result += kQuote + quoted + kQuote;
        } else {
            result += item;
        }
    }
    return result;
}

QString fromCommaText(const QString& commaText)
{
    QString result = readCommaItems(commaText).join(QStringLiteral("\r\n"));
    qsizetype end = result.size();
    while (end > 0 && (result[end - 1] == u'\r' || result[end - 1] == u'\n'))
        --end;
    result.truncate(end);
    return result;
}

} // namespace velunto
