#pragma once

#include "common/colorref.h"

#include <QImage>
#include <QString>

#include <array>

namespace velunto {

// A picture is a 32-bit RGBA raster held by QImage (implicitly shared, so a
// copied object owns an independent picture as soon as either side changes).
// A null QImage stands for "no picture".
using Picture = QImage;

// DocumentType: DokTyp and, for DokTyp 1, DokUnterTyp.
namespace DokTyp {
enum : int {
    Free = 0,           // "Freie Text-Bild-/Bild-Text-Zuordnung"
    Cloze = 1,          // "Lückentext" and its sub-types
    Questions = 2,      // "Einzelfragen"
    MultipleChoice = 3, // "Multiple-Choice-Fragen"
    Cluster = 4,        // "Cluster-Übung"
    CrossAssign = 5,    // "Über-Kreuz-Zuordnung"
    Crossword = 6,      // "Kreuzworträtsel"
};
}

namespace ClozeSubType {
enum : int {
    Flowing = 0,
    Table = 1,
    CTest = 2,
    FlowingWithWrongWords = 3,
    CTestWithWrongWords = 4,
};
}

// ObjectKind: the Typ of a page object.
namespace ObjectKind {
enum : int {
    QueryLabel = 0,
    FixedLabel = 1,
    InfoPoint = 2,
    GapCard = 3,
    ExternalLink = 4,
    DocumentLink = 5,
    QueryImage = 6,
    FixedImage = 7,
    ImageLink = 8,
    McQuestion = 20,
    McImageQuestion = 21,
    CrosswordCell = 60,
    WrongWordCard = 90,
};
}

// Layers (Ebene).
namespace Layer {
enum : int { BaseImage = 0, TextsAndImages = 1, InfoPoints = 2, Layout = 3 };
}

// Card side relative to the anchor (KAusr, KAusrAktiv).
namespace Side {
enum : int { Automatic = 0, Right = 1, Top = 2, Left = 3, Bottom = 4, Centre = 5 };
}

// Style bits (Stil).
namespace StyleBit {
enum : int { Bold = 1, Italic = 2, Underline = 4 };
}

constexpr int kTableRows = 16;
constexpr int kTableColumns = 12;
constexpr int kMaxAnswerPictures = 12;
constexpr int kCrosswordSize = 30;

// One gap-table cell.
struct lueckentabellearrtyp
{
    QString Text;
    Picture Bild;
    int Art = 0;
    QString BildKenn;
    QString Link;
    int Groesse = 20;
    int BildkarteAnpassen = 0;
    int LinkInUebung = 0;
    int ZellBelegt = -1; // runtime: index of the card that filled the cell in a cluster run

    bool operator==(const lueckentabellearrtyp&) const = default;
};

struct SpaltenHtgdEntry
{
    ColorRef colour = 0;
    int value = 50;
    bool operator==(const SpaltenHtgdEntry&) const = default;
};

// Four doubles in the order left, top, right, bottom.
struct RectD
{
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    bool operator==(const RectD&) const = default;
};

// The header record of the Document.
struct HeaderDataTyp
{
    QString FileName;
    QString Version = QStringLiteral("1.00");
    QString Titel;
    QString Autor;
    QString Bemerkung;
    QString lueckentext;
    QString fragentext;
    std::array<SpaltenHtgdEntry, kTableColumns> SpaltenHtgd = defaultSpaltenHtgd();
    std::array<std::array<lueckentabellearrtyp, kTableColumns>, kTableRows> LueckenTabelle{};
    int LueckenTabelleZeilen = 5;
    int LueckenTabelleSpalten = 2;
    int LueckenTabelleLinie = 0;
    ColorRef LueckenTabelleLinieCol = 0xC0C0C0;
    int AnzFrageNummern = 0;
    int DokTyp = 0;
    int DokUnterTyp = 0;
    RectD RandErw;
    int NumArt = 0;
    int GeordnetArt = 0;
    RectD EinrueckRand;
    ColorRef TextCol = 0x000000;
    ColorRef HtgdCol = 0xFFFFFF;
    ColorRef FragBtnHtgdCol = 0xFF0000;
    ColorRef FragBtnTextCol = 0xFFFFFF;
    ColorRef LueckentextCol = 0xFF0000;
    int MinLuecke = 3;
    int MinZIndex = 0;
    int MaxZIndex = 0;
    QString BilderPasswort; // held unscrambled
    QString Arbeitsblatt;
    QString ABAufgabe = QStringLiteral("Aufgabe: Fülle die freien Felder aus!");
    Picture ABLogo;
    double LogoGroesse = 0.2;
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;
    int BasisbildDeck = 100;
    int Zielpunktgroesse = 100;
    std::array<QString, kCrosswordSize * kCrosswordSize> KreuzGitter{};
    std::array<QString, kCrosswordSize> KreuzFragen1{};
    std::array<QString, kCrosswordSize> KreuzFragen2{};
    std::array<int, 6> KreuzFarben = {0xF0F0F0, 0x606060, 0x000000, 0xFF0000, 0x606060, 0xC0};

    // Page geometry, derived after loading and kept while the document is open.
    int SeitRatioArt = 1;
    int SeitRatioBreite = 10;
    int SeitRatioHoehe = 7;
    double BildGroesse = 100.0;
    double BildPosX = 50.0;
    double BildPosY = 50.0;
    double Rand = 0.0;

    static std::array<SpaltenHtgdEntry, kTableColumns> defaultSpaltenHtgd();
};

// One page object.
struct ObjDataTyp
{
    double Sx = 0.0;
    double Sy = 0.0;
    double Kx = 0.0;
    double Ky = 0.0;
    double KBreite = -1.0;
    double KHoehe = -1.0;
    QString Text;
    QString PktCap;
    QString PktCap2;
    QString BildKenn;
    int KAusr = 0;
    int TAusr = 0;
    int Ebene = 0;
    int Typ = 0;
    int Untertyp = 0;
    int Sline = 0;
    int Fsize = 0;
    int Stil = 0;
    ColorRef Farbe = 0x000000;
    ColorRef LinieFarbe = 0x000000;
    ColorRef HFarbe = 0xFFFFFF;
    int HDeck = 0;
    int LinieDicke = 1;
    int Abdeckung = -1;
    int Nummer = -1;
    int FrageNummer = -1;
    int AntwortAnz = 0;
    std::array<int, 2> exerciseCounters{0, 0};
    RectD drawnBounds{-1.0, -1.0, -1.0, -1.0}; // card bounds as last drawn, page fractions
    int KAusrAktiv = 0;
    double halfWidth = 0.0;  // half the drawn card width, page fractions
    double halfHeight = 0.0; // half the drawn card height, page fractions
    std::array<int, 2> markers{-1, -1};
    Picture Bild;
    int BildDeck = 100;
    std::array<Picture, kMaxAnswerPictures> BildAntw{};
    std::array<int, 6> MCInfoLinkData = {0xFFFFFF, 0xFFFFFF, 0xFD5F00, 0x2F35A4, 100, 100};
    int ZIndex = 0;
    int BildkarteAnpassen = 0;
    int PunktInUebung = 0;
    int Partner = -1;
    int savedCover = 0;
    int KorbZeile = -1;
    int KorbSpalte = -1;
    int Sichtbar = 0;
};

} // namespace velunto
