#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

namespace velunto {

// A read-only INI file as administrators write it: "[Section]" lines start a
// section, "Key=Value" lines fill it, lines starting with ";" are comments.
// Section and key names are compared without regard to case; the first
// occurrence of a key wins. The text is UTF-8, or code page 1252 when it is
// not valid UTF-8.
class IniFile
{
  public:
    static IniFile parse(QByteArrayView bytes);
    // nullopt when the file does not exist or cannot be read.
    static std::optional<IniFile> load(const QString& path);

    bool hasSection(const QString& section) const;
    std::optional<QString> value(const QString& section, const QString& key) const;

  private:
    QHash<QString, QHash<QString, QString>> m_sections; // case-folded names
};

} // namespace velunto
