#pragma once

#include <QByteArray>
#include <QLatin1StringView>

#include <array>
#include <cstddef>

namespace velunto {

// Constants of the document file shared by its reader and its writer.

inline constexpr QLatin1StringView kMagicVelunto("VLT-");
inline constexpr QLatin1StringView kMagicOld("QEL-");
// The format version this program writes and the newest it reads.
inline constexpr QLatin1StringView kFormatVersion("2.21");
// Files below this version store picture sizes measured in their own font.
inline constexpr QLatin1StringView kVersionFontSteps("2.17");

// The optional fields of the file, each governed by a key in the key list.
enum class Key {
    CodePage,
    Lueckentext,
    Fragentext,
    AnzFrageNummern,
    DokTyp,
    RandErw,
    NumArt,
    GeordnetArt,
    EinrueckRand,
    HtgdCol,
    BasisbildDeck,
    MinLuecke,
    DokUnterTyp,
    LueckenTabelleZeilen,
    LueckenTabelleSpalten,
    LueckenTabelleBild,
    LueckenTabelleBildLink,
    LueckenTabelleLinie,
    LueckenTabelleLinieCol,
    LueckentabelleSpaltenHtgd,
    BilderPasswort,
    Schriftart,
    Arbeitsblatt,
    ABAufgabe,
    TextCol,
    FragBtnHtgdCol,
    FragBtnTextCol,
    LueckentextCol,
    ABLogo,
    Zielpunktgroesse,
    ObFrageNummer,
    ObStil,
    ObFarbe,
    ObLinieFarbe,
    ObLinieDicke,
    ObUntertyp,
    ObAntwortAnz,
    ObZIndex,
    ObHFarbe,
    ObHDeck,
    ObPktHtgdDeck,
    ObPktCap,
    ObPktCap2,
    ObBildKenn,
    ObBildDeck,
    ObBildkarteAnpassen,
    ObPunktInUebung,
    ObBildAntw,
    ObMCInfoLinkData,
};

inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::ObMCInfoLinkData) + 1;

// The stored names, in the order of Key.
inline constexpr std::array<QLatin1StringView, kKeyCount> kKeyNames = {
    QLatin1StringView("HD-CodePage"),
    QLatin1StringView("HD-lueckentext"),
    QLatin1StringView("HD-fragentext"),
    QLatin1StringView("HD-AnzFrageNummern"),
    QLatin1StringView("HD-DokTyp"),
    QLatin1StringView("HD-RandErw"),
    QLatin1StringView("HD-NumArt"),
    QLatin1StringView("HD-GeordnetArt"),
    QLatin1StringView("HD-EinrueckRand"),
    QLatin1StringView("HD-HtgdCol"),
    QLatin1StringView("HD-BasisbildDeck"),
    QLatin1StringView("HD-MinLuecke"),
    QLatin1StringView("HD-DokUnterTyp"),
    QLatin1StringView("HD-LueckenTabelleZeilen"),
    QLatin1StringView("HD-LueckenTabelleSpalten"),
    QLatin1StringView("HD-LueckenTabelleBild"),
    QLatin1StringView("HD-LueckenTabelleBildLink"),
    QLatin1StringView("HD-LueckenTabelleLinie"),
    QLatin1StringView("HD-LueckenTabelleLinieCol"),
    QLatin1StringView("HD-LueckentabelleSpaltenHtgd"),
    QLatin1StringView("HD-BilderPasswort"),
    QLatin1StringView("HD-Schriftart"),
    QLatin1StringView("HD-Arbeitsblatt"),
    QLatin1StringView("HD-ABAufgabe"),
    QLatin1StringView("HD-TextCol"),
    QLatin1StringView("HD-FragBtnHtgdCol"),
    QLatin1StringView("HD-FragBtnTextCol"),
    QLatin1StringView("HD-LueckentextCol"),
    QLatin1StringView("HD-ABLogo"),
    QLatin1StringView("HD-Zielpunktgroesse"),
    QLatin1StringView("OB-FrageNummer"),
    QLatin1StringView("OB-Stil"),
    QLatin1StringView("OB-Farbe"),
    QLatin1StringView("OB-LinieFarbe"),
    QLatin1StringView("OB-LinieDicke"),
    QLatin1StringView("OB-Untertyp"),
    QLatin1StringView("OB-AntwortAnz"),
    QLatin1StringView("OB-ZIndex"),
    QLatin1StringView("OB-HFarbe"),
    QLatin1StringView("OB-HDeck"),
    QLatin1StringView("OB-PktHtgdDeck"),
    QLatin1StringView("OB-PktCap"),
    QLatin1StringView("OB-PktCap2"),
    QLatin1StringView("OB-BildKenn"),
    QLatin1StringView("OB-BildDeck"),
    QLatin1StringView("OB-BildkarteAnpassen"),
    QLatin1StringView("OB-PunktInUebung"),
    QLatin1StringView("OB-BildAntw"),
    QLatin1StringView("OB-MCInfoLinkData"),
};

// Older files spell this key with the umlaut (code page 1252 byte 0xFC).
inline constexpr QLatin1StringView kKeyEinrueckRandUmlaut("HD-Einr\xfc"
                                                          "ckRand");

// BilderPasswort is stored with every byte XORed with this key byte; the
// same operation scrambles and unscrambles.
inline constexpr char kPasswordKeyByte = char(0x5C);

inline QByteArray scramblePassword(QByteArray bytes)
{
    for (char& b : bytes)
        b = char(b ^ kPasswordKeyByte);
    return bytes;
}

// The two values written after "HD-CodePage": the code page of every text
// in the file and a revision number of this writer. Readers skip them.
inline constexpr int kCodePageValue = 1252;
inline constexpr int kWriterRevision = 1;

// The grid size written into the fields of the crossword block that
// readers skip.
inline constexpr int kCrosswordSkippedValue = 30;

} // namespace velunto
