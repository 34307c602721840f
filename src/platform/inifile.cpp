#include "platform/inifile.h"

#include "common/cp1252.h"

#include <QFile>
#include <QStringDecoder>

namespace velunto {

namespace {

// A config file is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

QString decodeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromCp1252(bytes);
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

IniFile IniFile::parse(QByteArrayView bytes)
{
    IniFile ini;
    QHash<QString, QString>* section = nullptr;
    const QString text = decodeText(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            if (close < 0)
                continue;
            const QString name = line.sliced(1, close - 1).trimmed().toString().toCaseFolded();
            section = &ini.m_sections[name];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (section == nullptr || eq <= 0)
            continue;
        const QString key = line.first(eq).trimmed().toString().toCaseFolded();
        if (!section->contains(key))
            section->insert(key, unquoted(line.sliced(eq + 1).trimmed().toString()));
    }
    return ini;
}

std::optional<IniFile> IniFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    return parse(file.readAll());
}

bool IniFile::hasSection(const QString& section) const
{
    return m_sections.contains(section.toCaseFolded());
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const auto s = m_sections.constFind(section.toCaseFolded());
    if (s == m_sections.constEnd())
        return std::nullopt;
    const auto v = s->constFind(key.toCaseFolded());
    if (v == s->constEnd())
        return std::nullopt;
    return *v;
}

} // namespace velunto
