#pragma once

namespace velunto {

class IniFile;
struct Settings;

// Applies the central configuration file of the installation ("config.ini")
// over the settings read from the per-user store. Each section except "Start"
// is read only while its switch key holds a non-zero integer; the section's
// keys then replace the values held so far. "Themenordner" of section "Start"
// is taken in every case, when it names an existing folder.
void applyCentralDefaults(Settings& settings, const IniFile& ini);

} // namespace velunto
