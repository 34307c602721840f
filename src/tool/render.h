#pragma once

#include <QStringList>

namespace velunto {

// velunto-tool render FILE OUT.png [--size WxH] [--zoom 100|150|200] [--uncover-all]:
// writes what the learning view shows of FILE in a window of that size.
// Returns the exit status; problems are reported on standard error.
int renderCommand(const QStringList& args);

} // namespace velunto
