#pragma once

#include <QStringList>

namespace velunto {

struct Settings;
class UserStore;

// Reads every stored value that the store holds into settings. A value that
// is absent, unreadable, outside the range of the table it indexes, or names
// a folder that does not exist keeps what settings holds (the default at
// start). The editor font is never read: it starts as "Arial", 10, not bold.
void loadSettings(Settings& settings, const UserStore& store);

// Hands every stored value to the store (UserStore::commit writes them).
void saveSettings(const Settings& settings, UserStore& store);

// The names of the stored values, in the order in which they are written.
QStringList storedSettingNames();

} // namespace velunto
