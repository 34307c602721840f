#include "library/topiclist.h"

#include "document/documentfile.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <numeric>

namespace velunto {

QStringList documentFiles(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (name.endsWith(QLatin1String(".vlt"), Qt::CaseInsensitive))
            names << name;
    }
    // The file system returns names in no particular order; sorting them by
    // their bytes makes every listing of a folder the same.
    std::sort(names.begin(), names.end());
    const QString base = QDir(folder).absolutePath() + u'/';
    for (QString& name : names)
        name.prepend(base);
    return names;
}

TopicList buildTopicList(const QString& folder)
{
    TopicList list;
    const QStringList files = documentFiles(folder);
    list.reserve(size_t(files.size()));
    for (const QString& path : files) {
        const auto summary = readDocumentSummary(path);
        if (!summary)
            continue;
        const QString name = path.mid(path.lastIndexOf(u'/') + 1);
        list.push_back({summary->Titel, path, name.toLower()});
    }

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(list.size());
    for (const ThemenDataTyp& entry : list)
        keys.push_back(collator.sortKey(entry.sortKey));
    std::vector<size_t> order(list.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });

    TopicList sorted;
    sorted.reserve(list.size());
    for (const size_t i : order)
        sorted.push_back(std::move(list[i]));
    return sorted;
}

QString topicFileName(const ThemenDataTyp& entry)
{
    return entry.path.mid(entry.path.lastIndexOf(u'/') + 1);
}

QString topicDisplayTitle(const ThemenDataTyp& entry)
{
    const QString title = entry.Titel.trimmed();
    return title.isEmpty() ? topicFileName(entry) : title;
}

QString topicMenuCaption(int index, const ThemenDataTyp& entry)
{
    QString shown = topicDisplayTitle(entry);
    shown.replace(u'&', QStringLiteral("&&"));
    return (index <= 8 ? QStringLiteral("&") : QString()) + QString::number(index + 1) +
           QStringLiteral(":  ") + shown;
}

QString topicListText(const TopicList& list)
{
    QString text = QStringLiteral("<TIT>Themenliste\r\n");
    for (size_t i = 0; i < list.size(); ++i) {
        const ThemenDataTyp& entry = list[i];
        const QString title = entry.Titel.trimmed().isEmpty() ? topicFileName(entry) : entry.Titel;
        text += QString::number(i + 1) + QStringLiteral(": ") + title + QStringLiteral("\r\n");
    }
    return text;
}

QString titleLineText(int current, const QString& title, bool titleShown)
{
    QString text = QStringLiteral(" ");
    if (current >= 0)
        text += u'(' + QString::number(current + 1) + QStringLiteral(") ");
    if (!titleShown)
        return text + u'?';
    return text + (title.isEmpty() ? QStringLiteral("(ohne Titel)") : title);
}

} // namespace velunto
