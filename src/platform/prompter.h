#pragma once

#include "common/colorref.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace velunto {

// Every question, message box and file dialog of the program goes through a
// Prompter. The window uses the widget implementation; tests answer from a
// script, so no test ever waits on a modal window.
class Prompter
{
  public:
    enum class Kind { Information, Warning, Error, Confirmation };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileRequest
    {
        QString title;
        QString directory;   // start folder, or a full path to preselect
        QStringList filters; // "Velunto-Dokument (*.vlt)", ...
        int filterIndex = 0; // selected filter, 0-based
        QString defaultSuffix;
    };

    virtual ~Prompter() = default;

    // Shows text ("\r\n" is a line break) and returns the button pressed.
    virtual Answer message(Kind kind, const QString& text, Buttons buttons = Buttons::Ok) = 0;
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& start) = 0;
    // A masked one-line entry; nullopt when cancelled.
    virtual std::optional<QString> askPassword(const QString& text) = 0;
    // The colour dialog, starting at initial; nullopt when cancelled.
    virtual std::optional<ColorRef> chooseColour(const QString& title, ColorRef initial) = 0;

    // Shorthands.
    void information(const QString& text) { message(Kind::Information, text); }
    void error(const QString& text) { message(Kind::Error, text); }
    bool confirm(const QString& text)
    {
        return message(Kind::Confirmation, text, Buttons::YesNo) == Answer::Yes;
    }
};

// A Prompter for tests: records every message and takes its answers from
// queues. An empty queue answers Cancel (or "no choice").
class ScriptedPrompter : public Prompter
{
  public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons;
    };

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> files;    // openFile, saveFile and chooseFolder
    std::deque<std::optional<QString>> entries;  // askPassword
    std::deque<std::optional<ColorRef>> colours; // chooseColour
    std::vector<FileRequest> fileRequests;
    std::vector<QString> passwordTexts;

    Answer message(Kind kind, const QString& text, Buttons buttons) override
    {
        shown.push_back({kind, text, buttons});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return take(answers, Answer::Cancel);
    }
    std::optional<QString> openFile(const FileRequest& request) override
    {
        fileRequests.push_back(request);
        return take(files, std::optional<QString>());
    }
    std::optional<QString> saveFile(const FileRequest& request) override
    {
        fileRequests.push_back(request);
        return take(files, std::optional<QString>());
    }
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override
    {
        fileRequests.push_back({title, start, {}, 0, {}});
        return take(files, std::optional<QString>());
    }
    std::optional<QString> askPassword(const QString& text) override
    {
        passwordTexts.push_back(text);
        return take(entries, std::optional<QString>());
    }
    std::optional<ColorRef> chooseColour(const QString&, ColorRef) override
    {
        return take(colours, std::optional<ColorRef>());
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown& s : shown)
            result << s.text;
        return result;
    }

  private:
    template <typename T> static T take(std::deque<T>& queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace velunto
