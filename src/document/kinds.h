#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QString>

namespace velunto {

// Points: info point, external link, document link.
inline bool isPointKind(int kind)
{
    return kind == ObjectKind::InfoPoint || kind == ObjectKind::ExternalLink ||
           kind == ObjectKind::DocumentLink;
}

// Authored picture kinds (the question picture 21 is tested on its own).
inline bool isPictureKind(int kind)
{
    return kind == ObjectKind::QueryImage || kind == ObjectKind::FixedImage ||
           kind == ObjectKind::ImageLink;
}

inline bool isTextKind(int kind)
{
    return kind == ObjectKind::QueryLabel || kind == ObjectKind::FixedLabel ||
           kind == ObjectKind::InfoPoint;
}

// Kinds whose Text holds the path of a linked file.
inline bool hasLinkPath(int kind)
{
    return kind == ObjectKind::ExternalLink || kind == ObjectKind::DocumentLink ||
           kind == ObjectKind::ImageLink;
}

// Kinds whose BildKenn holds a password instead of a picture identifier.
inline bool hasPassword(int kind)
{
    return kind == ObjectKind::InfoPoint || kind == ObjectKind::ExternalLink ||
           kind == ObjectKind::ImageLink;
}

inline bool isAuthoredKind(int kind)
{
    return kind < 10 || kind == ObjectKind::McQuestion ||
           kind == ObjectKind::McImageQuestion;
}

// Kinds that are stored with a picture of their own.
inline bool storesPicture(int kind)
{
    return isPictureKind(kind) || kind == ObjectKind::McImageQuestion;
}

inline bool isMcQuestionKind(int kind)
{
    return kind == ObjectKind::McQuestion || kind == ObjectKind::McImageQuestion;
}

// "Info", "Link", "Dok." for the points, empty otherwise.
QString defaultPointTitle(int kind);

// Background colour of a point kind: 0xFD5F00, 0x2F35A4, 0x4A9829.
ColorRef pointColour(int kind);

// The name an author sees for an authored kind ("Abfrage-Beschriftung" ...),
// empty for generated kinds.
QString objectKindName(int kind);

// The name of a document type, by DokTyp and DokUnterTyp.
QString documentTypeName(int dokTyp, int dokUnterTyp);

// The indent margins a document of this type starts with.
RectD defaultEinrueckRand(int dokTyp);

// True when the gap table is part of the document of this type.
inline bool hasGapTable(int dokTyp, int dokUnterTyp)
{
    return (dokTyp == DokTyp::Cloze && dokUnterTyp == ClozeSubType::Table) ||
           dokTyp == DokTyp::Cluster || dokTyp == DokTyp::CrossAssign;
}

// True when a gap-table cell of kind art carries a picture in a document of
// this type.
inline bool cellCarriesPicture(int dokTyp, int art)
{
    if (dokTyp == DokTyp::Cloze)
        return art == 1 || art == 2 || art == 3;
    if (dokTyp == DokTyp::Cluster || dokTyp == DokTyp::CrossAssign)
        return art == 2 || art == 3;
    return false;
}

} // namespace velunto
