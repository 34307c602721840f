#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace velunto {

// The per-user settings store: named text values in an INI file of the
// user's configuration folder. Names are compared without regard to case, so
// "UebOpt-ZeitLimit" and "UebOpt-Zeitlimit" are one value.
//
// Reading takes a snapshot of the file; writing collects values in memory
// until commit() replaces the file in one step. Nothing reaches the disk
// before commit().
class UserStore
{
  public:
    explicit UserStore(QString filePath);

    // "$XDG_CONFIG_HOME/velunto/velunto.ini" (~/.config when unset).
    static QString defaultPath();

    const QString& filePath() const { return m_path; }

    // Reads the file again; a missing file gives an empty store.
    void reload();
    std::optional<QString> read(const QString& name) const;

    void write(const QString& name, const QString& value);
    // Writes every value given to write() into the file, keeping the values
    // of other names. Returns false when the file could not be written.
    bool commit();

  private:
    QString m_path;
    QHash<QString, QString> m_values;   // case-folded name -> value
    QHash<QString, QString> m_pending;  // case-folded name -> value
    QHash<QString, QString> m_spelling; // case-folded name -> name as written
};

} // namespace velunto
