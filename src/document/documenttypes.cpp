#include "document/documenttypes.h"

namespace velunto {

QString documentTypeName(int dokTyp, int dokUnterTyp)
{
    switch (dokTyp) {
    case DokTyp::Free:
        return QStringLiteral("Freie Text-Bild-/Bild-Text-Zuordnung");
    case DokTyp::Cloze:
        switch (dokUnterTyp) {
        case ClozeSubType::Table:
            return QStringLiteral("Tabellarische Text-Bild-/Bild-Text-Zuordnung");
        case ClozeSubType::CTest:
            return QStringLiteral("C-Test");
        case ClozeSubType::FlowingWithWrongWords:
            return QStringLiteral("Lückentext mit Falschwörtern");
        case ClozeSubType::CTestWithWrongWords:
            return QStringLiteral("C-Test mit Falschwörtern");
        default:
            return QStringLiteral("Lückentext");
        }
    case DokTyp::Questions:
        return QStringLiteral("Einzelfragen");
    case DokTyp::MultipleChoice:
        return QStringLiteral("Multiple-Choice-Fragen");
    case DokTyp::Cluster:
        return QStringLiteral("Cluster-Übung");
    case DokTyp::CrossAssign:
        return QStringLiteral("Über-Kreuz-Zuordnung");
    case DokTyp::Crossword:
        return QStringLiteral("Kreuzworträtsel");
    default:
        return {};
    }
}

RectD defaultEinrueckRand(int dokTyp)
{
    switch (dokTyp) {
    case DokTyp::Cloze:
        return {0.035, 0.01, 0.035, 0.0};
    case DokTyp::Questions:
        return {0.1, 0.165, 0.05, 0.195};
    case DokTyp::MultipleChoice:
        return {0.05, 0.04, 0.05, 0.045};
    case DokTyp::Cluster:
    case DokTyp::CrossAssign:
        return {0.035, 0.03, 0.035, 0.03};
    case DokTyp::Crossword:
        return {0.035, 0.035, 0.035, 0.035};
    default:
        return {0.0, 0.0, 0.0, 0.0};
    }
}

} // namespace velunto
