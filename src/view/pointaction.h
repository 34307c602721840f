#pragma once

#include <QString>

#include <functional>

namespace velunto {

class Document;
class Prompter;

// The folders that a link text is looked up in.
struct LinkFolders
{
    QString documentFolder;     // folder of the open document; empty for an unsaved one
    QString topicRootFolder;    // root of the topic library
    QString currentTopicFolder; // folder the topic menu shows now
    QString programFolder;
};

// Resolves the path of a link: a text starting with "http://" or "https://"
// (any case) is used unchanged; otherwise the first existing of the text as
// an absolute path, the document's folder + text, the topic root + text and
// the program folder + text; if none exists, the text itself. Backslashes
// of documents made on Windows are read as folder separators.
QString resolveLinkPath(const QString& text, const LinkFolders& folders);

// What the window does after a click on an info point or link.
struct PointAction
{
    enum Kind {
        Nothing,         // cancelled, refused or reported already
        ShowInfo,        // show text in the info box
        OpenExternal,    // hand target to the operating system
        OpenDocument,    // ask to save, then load target taking its folder
        OpenTopicFolder, // make target the topic folder and show the start page
    };
    Kind kind = Nothing;
    QString target;
};

// Decides what a click on the point or link `index` does. Asks for the
// object's password when it has one (only info points, external links and
// picture links carry a password; the other kinds hold a picture identifier
// in BildKenn) and reports a wrong password, a missing linked document or a
// missing topic folder through the prompter. Nothing is changed here: a
// document link is checked before the window asks to save the open document.
PointAction decidePointAction(const Document& document, int index, const LinkFolders& folders,
                              Prompter& prompter);

// Hands a resolved link to the operating system through opener and reports
// a failure with the program's message.
bool openExternalTarget(const QString& target, const std::function<bool(const QString&)>& opener,
                        Prompter& prompter);

// True for a text starting with "http://" or "https://" (any case).
bool isWebAddress(const QString& text);

} // namespace velunto
