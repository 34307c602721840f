#pragma once

#include "document/records.h"

#include <QString>

namespace velunto {

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
