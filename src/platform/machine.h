#pragma once

#include <QString>

namespace velunto {

// The computer's network name: the host name up to the first ".".
// VELUNTO_COMPUTER_NAME overrides it (tests, demonstrations).
QString computerName();

// The name of the logged-on user; VELUNTO_USER_NAME overrides it.
QString loginName();

} // namespace velunto
