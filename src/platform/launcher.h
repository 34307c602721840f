#pragma once

#include <QString>
#include <QStringList>

namespace velunto {

// Opens files, programs and web addresses with the desktop's handlers
// (the "open" of a file manager). Tests use RecordingLauncher.
class Launcher
{
  public:
    virtual ~Launcher() = default;

    // A program file is started on its own (without a shell), any other
    // existing file opens with its handler. False when path names no
    // existing file or nothing could be started.
    virtual bool launchFile(const QString& path) = 0;
    // "http://", "https://", "mailto:" addresses go to the browser; a
    // "file://" address is opened only when the file exists.
    virtual bool openAddress(const QString& address) = 0;
};

class DesktopLauncher : public Launcher
{
  public:
    bool launchFile(const QString& path) override;
    bool openAddress(const QString& address) override;
};

class RecordingLauncher : public Launcher
{
  public:
    QStringList launched;
    bool succeed = true;

    bool launchFile(const QString& path) override
    {
        launched << path;
        return succeed;
    }
    bool openAddress(const QString& address) override
    {
        launched << address;
        return succeed;
    }
};

// "Die Datei "<path>" kann nicht geöffnet werden."
QString launchFailedText(const QString& path);
// The same with the note that a web browser is needed.
QString browserFailedText(const QString& address);

} // namespace velunto
