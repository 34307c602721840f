#include "exercise/normalizetext.h"

namespace velunto {

namespace {

bool isTrimmed(QChar c)
{
    return c == u' ' || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

QString normalizeText(const QString& text)
{
    static const QString kBreak = QStringLiteral("-\r\n");
    QString s = text;
    for (qsizetype at = s.indexOf(kBreak); at >= 0 && at + 3 < s.size(); at = s.indexOf(kBreak)) {
        const QChar next = s.at(at + 3);
        if (next.toUpper() != next)
            s.remove(at, 3);
        else
            s.remove(at + 1, 2);
    }
    s.replace(u'\n', u' ');
    s.replace(u'\r', u' ');
    s.replace(QStringLiteral("   "), QStringLiteral(" "));
    s.replace(QStringLiteral("  "), QStringLiteral(" "));

    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isTrimmed(s.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(s.at(end - 1)))
        --end;
    s = s.mid(begin, end - begin);
    if (s.startsWith(QChar(0xFF)))
        s.prepend(u' ');
    return s;
}

} // namespace velunto
