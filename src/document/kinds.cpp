#include "document/kinds.h"

namespace velunto {

QString defaultPointTitle(int kind)
{
    switch (kind) {
    case ObjectKind::InfoPoint:
        return QStringLiteral("Info");
    case ObjectKind::ExternalLink:
        return QStringLiteral("Link");
    case ObjectKind::DocumentLink:
        return QStringLiteral("Dok.");
    default:
        return {};
    }
}

ColorRef pointColour(int kind)
{
    switch (kind) {
    case ObjectKind::InfoPoint:
        return 0xFD5F00;
    case ObjectKind::ExternalLink:
        return 0x2F35A4;
    case ObjectKind::DocumentLink:
        return 0x4A9829;
    default:
        return 0xFFFFFF;
    }
}

QString objectKindName(int kind)
{
    switch (kind) {
    case ObjectKind::QueryLabel:
        return QStringLiteral("Abfrage-Beschriftung");
    case ObjectKind::FixedLabel:
        return QStringLiteral("Fixe Beschriftung");
    case ObjectKind::InfoPoint:
        return QStringLiteral("Infopunkt");
    case ObjectKind::ExternalLink:
        return QStringLiteral("Link: Externe Verknüpf.");
    case ObjectKind::DocumentLink:
        return QStringLiteral("Dok.: Interne Verknüpf.");
    case ObjectKind::QueryImage:
        return QStringLiteral("Abfrage-Bild");
    case ObjectKind::FixedImage:
        return QStringLiteral("Fixes Bild");
    case ObjectKind::ImageLink:
        return QStringLiteral("Bild-Link");
    default:
        return {};
    }
}

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
