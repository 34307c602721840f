#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velunto {

// One entry of the topic list.
struct ThemenDataTyp
{
    QString Titel;   // the title as stored in the document, untrimmed
    QString path;    // listed folder + file name
    QString sortKey; // the file name in lower case

    bool operator==(const ThemenDataTyp&) const = default;
};

using TopicList = std::vector<ThemenDataTyp>;

// The document files of folder: every file (hidden ones too, no folders)
// whose name ends in ".vlt" in any letter case, as full paths, sorted by
// name so that every listing of the same folder has the same order.
QStringList documentFiles(const QString& folder);

// The topic list of folder: one entry per document file whose summary can
// be read (others are left out), sorted by file name without regard to case
// in the order of the user's language. Entries with equal keys keep their
// listing order.
TopicList buildTopicList(const QString& folder);

// The file name of entry without its folder.
QString topicFileName(const ThemenDataTyp& entry);

// What the list shows of entry: the trimmed title, or the file name when the
// trimmed title is empty.
QString topicDisplayTitle(const ThemenDataTyp& entry);

// The caption of menu entry index (counting from 0): "&" for the first
// nine, the number, ":  " and the shown title, with every "&" of the title
// doubled so that it is shown instead of marking an access key.
QString topicMenuCaption(int index, const ThemenDataTyp& entry);

// The formatted text of the window "Themenliste": a title line and one line
// per entry, its number, ": " and the untrimmed title (or the file name when
// the title is blank).
QString topicListText(const TopicList& list);

// The title line of the learning view: " ", the entry number in brackets when
// the open document is in the list (current >= 0), then the title, "(ohne
// Titel)" for an empty one, or "?" while the title is hidden.
QString titleLineText(int current, const QString& title, bool titleShown);

} // namespace velunto
