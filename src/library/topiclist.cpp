#include "library/topiclist.h"

#include "document/documentfile.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <numeric>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velunto {

namespace {

// The names of the document files in a folder.
struct Listing
{
    QString base;           // the folder's absolute path with "/"
    QByteArray encodedBase; // the same as the file system spells it
    std::vector<QByteArray> names;
};

// sortedByBytes: sorted by their bytes, so that every listing of a folder
// has the same order (the file system returns names in no particular order).
Listing listDocuments(const QString& folder, bool sortedByBytes)
{
    Listing listing;
    if (folder.isEmpty())
        return listing;
    listing.base = QDir(folder).absolutePath() + u'/';
    listing.encodedBase = QFile::encodeName(listing.base);
    // Listing a folder of a thousand documents must stay cheap: the entries
    // are read with readdir, and only those whose type the listing does not
    // tell (links, some file systems) are looked up.
    DIR* dir = ::opendir(listing.encodedBase.constData());
    if (dir == nullptr)
        return listing;
    while (const dirent* entry = ::readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        if (length < 4 || ::strncasecmp(entry->d_name + length - 4, ".vlt", 4) != 0)
            continue;
        bool file = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status;
            file = ::stat((listing.encodedBase + entry->d_name).constData(), &status) == 0 &&
                   S_ISREG(status.st_mode);
        }
        if (file)
            listing.names.emplace_back(entry->d_name, qsizetype(length));
    }
    ::closedir(dir);
    if (sortedByBytes)
        std::sort(listing.names.begin(), listing.names.end());
    return listing;
}

// The summary of a document from its first block, read into the stack and
// opened relative to its folder; only a summary longer than that block is
// read again by the full reader.
std::optional<DocumentSummary> summaryOf(int folderFd, const QByteArray& name, const QString& path)
{
    char head[4096];
    const int fd = ::openat(folderFd, name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    ssize_t got = 0;
    while (got < ssize_t(sizeof head)) {
        const ssize_t n = ::read(fd, head + got, sizeof head - size_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    if (auto summary = readDocumentSummary(QByteArrayView(head, got)))
        return summary;
    return got == ssize_t(sizeof head) ? readDocumentSummary(path) : std::nullopt;
}

// The file name of a listed entry and the same in lower case. Most names
// are plain ASCII: they are converted in one pass, without the general
// decoding and case tables.
void decodeFileName(const QByteArray& name, QString& fileName, QString& lower)
{
    const bool ascii = std::all_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        fileName = QFile::decodeName(name);
        lower = fileName.toLower();
        return;
    }
    fileName = QString::fromLatin1(name);
    lower = QString(name.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(lower.data());
    for (const char c : name)
        *out++ = char16_t(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
}

} // namespace

QStringList documentFiles(const QString& folder)
{
    const Listing listing = listDocuments(folder, true);
    QStringList paths;
    paths.reserve(qsizetype(listing.names.size()));
    for (const QByteArray& name : listing.names)
        paths << listing.base + QFile::decodeName(name);
    return paths;
}

TopicList buildTopicList(const QString& folder)
{
    const Listing listing = listDocuments(folder, false);
    TopicList list;
    std::vector<const QByteArray*> names; // of the entries in list
    const int folderFd = listing.names.empty() ? -1
                                               : ::open(listing.encodedBase.constData(),
                                                        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return list;
    list.reserve(listing.names.size());
    for (const QByteArray& name : listing.names) {
        QString fileName;
        QString lower;
        decodeFileName(name, fileName, lower);
        const QString path = listing.base + fileName;
        if (auto summary = summaryOf(folderFd, name, path)) {
            list.push_back({std::move(summary->Titel), path, std::move(lower)});
            names.push_back(&name);
        }
    }
    ::close(folderFd);

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(list.size());
    for (const ThemenDataTyp& entry : list)
        keys.push_back(collator.sortKey(entry.sortKey));
    std::vector<size_t> order(list.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // Equal keys keep the order of the names' bytes, as in every listing.
    std::sort(order.begin(), order.end(), [&keys, &names](size_t a, size_t b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? c < 0 : *names[a] < *names[b];
    });

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
