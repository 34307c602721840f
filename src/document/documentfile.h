#pragma once

#include "document/document.h"
#include "platform/usermessage.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace velunto {

// --- reading -------------------------------------------------------------------

struct LoadOptions
{
    // > 0: the document starts at this byte of the file (a document embedded
    // in a larger file); what follows the document is ignored.
    qint64 offset = 0;
    // While the object editor is open, loaded objects start uncovered.
    bool objectEditorOpen = false;
    // A file that cannot be read leaves the document as it was instead of
    // resetting it (the program keeps the page in front of the class).
    bool keepOnFailure = false;
};

struct LoadResult
{
    bool ok = false;
    // The messages to show, in this order.
    UserMessages messages;
};

// Loads a topic document into document. The file is read completely into a
// separate record first; only a file that reads without fault replaces the
// document's content. Then FileName is set, the generated content is rebuilt
// (Document::rebuildContent) and the modified flag is cleared.
// A missing file leaves the document as it was. Any other failure leaves the
// empty start document (Document::newDocument), or with keepOnFailure the
// document as it was.
// The window's part of loading (cursor, view, numbering, topic folder) is
// the caller's.
LoadResult loadDocument(Document& document, const QString& path, const LoadOptions& options = {});

// The same for a file's content already in memory; path names the file in
// messages and becomes FileName.
LoadResult loadDocumentFromBytes(Document& document, QByteArrayView bytes, const QString& path,
                                 const LoadOptions& options = {});

// The leading fields of a document, read without loading it.
struct DocumentSummary
{
    QString Version;
    QString Titel;
    QString Autor;
    QString Bemerkung;
    QString lueckentext;
    QString fragentext;
    int AnzFrageNummern = 0;
    int DokTyp = 0;

    bool operator==(const DocumentSummary&) const = default;
};

// Reads only the head of the file, up to DokTyp. nullopt when the file is
// missing or unreadable or does not start like a topic document. The format
// version is not checked, and nothing is reported.
std::optional<DocumentSummary> readDocumentSummary(const QString& path);

// The same for the first bytes of a file; nullopt also when they end before
// the summary is complete.
std::optional<DocumentSummary> readDocumentSummary(QByteArrayView head);

// --- writing -------------------------------------------------------------------

struct SerializedDocument
{
    QByteArray bytes;
    // Set instead of bytes when the document cannot be written as it is.
    QString error;
};

// The file content of document: the newest format version, every key listed
// and every optional field written.
SerializedDocument serializeDocument(const Document& document);

struct SaveResult
{
    bool ok = false;
    UserMessages messages;
};

// Writes the document to path: to a temporary file in the target folder
// that then replaces the target, read back and compared. On success FileName
// becomes path and the modified flag is cleared. On failure the file at path
// is as it was before (unless only the read-back found a difference), the
// document is unchanged and stays modified. A text that code page 1252 cannot
// hold is reported before anything is written.
SaveResult saveDocument(Document& document, const QString& path);

} // namespace velunto
