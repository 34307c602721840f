#include "platform/machine.h"

#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace velunto {

QString computerName()
{
    const QString forced = qEnvironmentVariable("VELUNTO_COMPUTER_NAME");
    if (!forced.isEmpty())
        return forced;
    const QString host = QSysInfo::machineHostName();
    return host.section(u'.', 0, 0);
}

QString loginName()
{
    const QString forced = qEnvironmentVariable("VELUNTO_USER_NAME");
    if (!forced.isEmpty())
        return forced;
    if (const passwd* entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace velunto
