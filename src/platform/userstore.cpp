#include "platform/userstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velunto {

namespace {

// A hand-edited value with an unquoted comma comes back as a list.
QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

UserStore::UserStore(QString filePath) : m_path(std::move(filePath))
{
    reload();
}

QString UserStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/velunto/velunto.ini");
}

void UserStore::reload()
{
    m_values.clear();
    if (!QFileInfo::exists(m_path))
        return;
    QSettings file(m_path, QSettings::IniFormat);
    const QStringList keys = file.allKeys();
    for (const QString& key : keys) {
        const QString folded = key.toCaseFolded();
        if (!m_values.contains(folded))
            m_values.insert(folded, textOf(file.value(key)));
    }
}

std::optional<QString> UserStore::read(const QString& name) const
{
    const auto it = m_values.constFind(name.toCaseFolded());
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

void UserStore::write(const QString& name, const QString& value)
{
    const QString folded = name.toCaseFolded();
    m_pending.insert(folded, value);
    m_spelling.insert(folded, name);
}

bool UserStore::commit()
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    {
        // QSettings replaces the file through a temporary file, so a failed
        // write leaves the old file whole.
        QSettings file(m_path, QSettings::IniFormat);
        const QStringList existing = file.allKeys();
        for (const QString& key : existing) {
            const QString folded = key.toCaseFolded();
            if (m_pending.contains(folded) && key != m_spelling.value(folded))
                file.remove(key);
        }
        for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
            file.setValue(m_spelling.value(it.key()), it.value());
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
    }
    for (auto it = m_pending.cbegin(); it != m_pending.cend(); ++it)
        m_values.insert(it.key(), it.value());
    m_pending.clear();
    return true;
}

} // namespace velunto
