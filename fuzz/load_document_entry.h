#pragma once

// What the fuzzer checks for one input, shared with the test that replays
// the seed corpus and every input that once broke a rule.

#include "document/documentfile.h"

#include <QByteArrayView>
#include <QString>

namespace velunto::fuzzing {

// Reads bytes as a document file, whole and as a summary. Besides not
// crashing, a document that loads must save, its saved form must load and
// save again to the same bytes, and its summary must agree with it. A failed
// load must say why and leave the start document. Returns the rule that
// broke, empty when all held.
inline QString checkLoadDocument(QByteArrayView bytes)
{
    const std::optional<DocumentSummary> summary = readDocumentSummary(bytes);

    Document document;
    const LoadResult loaded = loadDocumentFromBytes(document, bytes, QStringLiteral("fuzz.vlt"));
    if (!loaded.ok) {
        if (loaded.messages.empty())
            return QStringLiteral("a failed load reports nothing");
        if (document.objectCount() != 0 || !document.header.Titel.isEmpty())
            return QStringLiteral("a failed load leaves a partly read document");
        return {};
    }

    if (!summary || summary->Titel != document.header.Titel ||
        summary->DokTyp != document.header.DokTyp ||
        summary->lueckentext != document.header.lueckentext)
        return QStringLiteral("the summary disagrees with the loaded document");

    const SerializedDocument saved = serializeDocument(document);
    if (!saved.error.isEmpty())
        return QStringLiteral("a loaded document cannot be saved: ") + saved.error;
    Document again;
    if (!loadDocumentFromBytes(again, saved.bytes, QStringLiteral("again.vlt")).ok)
        return QStringLiteral("a saved document does not load");
    if (serializeDocument(again).bytes != saved.bytes)
        return QStringLiteral("a saved document changes when loaded and saved again");
    return {};
}

} // namespace velunto::fuzzing
