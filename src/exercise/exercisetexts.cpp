#include "exercise/exercisetexts.h"

#include "document/records.h"
#include "exercise/exerciseoptions.h"

namespace velunto {

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The names a protocol line gives to cards and targets of a card type.
struct CardWords
{
    const char* card;        // "Text-/Bildkärtchen"
    const char* theTarget;   // "der Position" / "der Lücke" (dative)
    const char* targetOf;    // "der Position von" / "der Lücke von"
    const char* rightTarget; // "der richtigen Position"
};

CardWords wordsOf(int dokTyp)
{
    switch (dokTyp) {
    case DokTyp::Cloze:
        return {"Lückentext", "Der Lücke", "der Lücke von", "der richtigen Lücke"};
    case DokTyp::Crossword:
        return {"Buchstabenkärtchen", "Der Position von", "der Position von",
                "der richtigen Position"};
    default:
        return {"Text-/Bildkärtchen", "Der Position von", "der Position von",
                "der richtigen Position"};
    }
}

} // namespace

QString instructionText(int dokTyp, int queryMode)
{
    switch (dokTyp) {
    case DokTyp::Questions:
        return u("Klicke auf die richtige Antwort!");
    case DokTyp::MultipleChoice:
        return u("Markiere alle zutreffenden Antworten!");
    case DokTyp::CrossAssign:
        return u("Klicke zusammen- gehörige Elemente nacheinander an, um diese mit einer Linie "
                 "zu verbinden!");
    case DokTyp::Cloze:
        switch (queryMode) {
        case QueryMode::Free:
            return u("Ziehe die Lückentexte an die jeweils richtige Position!");
        case QueryMode::SingleCards:
            return u("Ziehe den Lückentext an die richtige Position!");
        case QueryMode::SinglePositions:
            return u("Ziehe den richtigen Lückentext an die markierte Position!");
        case QueryMode::TextEntry:
            return u("Fülle die Textlücken richtig aus!");
        }
        return {};
    case DokTyp::Cluster:
        switch (queryMode) {
        case QueryMode::Free:
            return u("Ziehe die Kärtchen in den jeweils richtigen Korb!");
        case QueryMode::SingleCards:
            return u("Ziehe das Kärtchen in den richtigen Korb!");
        case QueryMode::SinglePositions:
            return u("Ziehe ein passendes Kärtchen an die markierte Position!");
        }
        return {};
    default:
        switch (queryMode) {
        case QueryMode::Free:
            return u("Ziehe die Kärtchen an die jeweils richtige Position!");
        case QueryMode::SingleCards:
            return u("Ziehe das Kärtchen an die richtige Position!");
        case QueryMode::SinglePositions:
            return u("Ziehe das richtige Kärtchen an die markierte Position!");
        }
        return {};
    }
}

QString singleItemLine(int dokTyp, bool singlePosition, const QString& text)
{
    if (!singlePosition) {
        switch (dokTyp) {
        case DokTyp::Cloze:
            return u("Lückentext \"") + text + u("\" soll der richtigen Lücke zugeordnet werden");
        case DokTyp::Cluster:
            return u("Text-/Bildkärtchen \"") + text +
                   u("\" soll dem richtigen Korb zugeordnet werden");
        case DokTyp::Crossword:
            return u("Buchstabenkärtchen \"") + text +
                   u("\" soll der richtigen Position zugeordnet werden");
        default:
            return u("Text-/Bildkärtchen \"") + text +
                   u("\" soll der richtigen Position zugeordnet werden");
        }
    }
    switch (dokTyp) {
    case DokTyp::Cloze:
        return u("Der Lücke \"") + text + u("\" soll der richtige Lückentext zugeordnet werden");
    case DokTyp::Crossword:
        return u("Der Position \"") + text +
               u("\" soll das richtige Buchstabenkärtchen zugeordnet werden");
    default:
        return u("Der Position \"") + text +
               u("\" soll das richtige Text- oder Bildkärtchen zugeordnet werden");
    }
}

QString judgementLine(int dokTyp, int queryMode, bool right, const QString& card,
                      const QString& target)
{
    if (dokTyp == DokTyp::Questions)
        return (right ? u("RICHTIG") : u("FALSCH")) + u(" - Gewählte Antwort: ") + quoted(card);
    if (dokTyp == DokTyp::Cluster)
        return right ? u("RICHTIG - Text-/Bildkärtchen ") + quoted(card) +
                           u(" wird dem richtigen Korb zugeordnet")
                     : u("FALSCH - Text-/Bildkärtchen ") + quoted(card) +
                           u(" wird dem falschen Korb zugeordnet");

    const CardWords w = wordsOf(dokTyp);
    const QString cardName = u(w.card);
    if (queryMode == QueryMode::SinglePositions) {
        // "das richtige Text-/Bildkärtchen", "der richtige Lückentext"
        const QString article = dokTyp == DokTyp::Cloze ? u("der") : u("das");
        if (right)
            return u("RICHTIG - ") + u(w.theTarget) + QLatin1Char(' ') + quoted(target) +
                   u(" wird ") + article + u(" richtige ") + cardName + u(" zugeordnet");
        return u("FALSCH - ") + u(w.theTarget) + QLatin1Char(' ') + quoted(target) + u(" wird ") +
               article + QLatin1Char(' ') + cardName + QLatin1Char(' ') + quoted(card) +
               u(" zugeordnet");
    }
    if (right && queryMode == QueryMode::SingleCards)
        return u("RICHTIG - ") + cardName + QLatin1Char(' ') + quoted(card) +
               u(" wird richtig zugeordnet");
    if (right)
        return u("RICHTIG - ") + cardName + QLatin1Char(' ') + quoted(card) + u(" wird ") +
               u(w.rightTarget) + u(" zugeordnet");
    return u("FALSCH - ") + cardName + QLatin1Char(' ') + quoted(card) + u(" wird ") +
           u(w.targetOf) + QLatin1Char(' ') + quoted(target) + u(" zugeordnet");
}

QString multipleChoiceLine(bool right, const QString& list)
{
    return (right ? u("RICHTIG - Gewählte Antwort(en): ")
                  : u("FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): ")) +
           list;
}

QString tickCountLine(int right, int wrong, int missing)
{
    return u("Häkchen - richtig: ") + QString::number(right) + u(" - falsch: ") +
           QString::number(wrong) + u(" - fehlend: ") + QString::number(missing);
}

QString connectionLine(bool right, const QString& first, const QString& target)
{
    return (right ? u("RICHTIG - ") : u("FALSCH - ")) + quoted(first) + u(" wird mit ") +
           quoted(target) + u(" verbunden");
}

QString typedRightLine(const QString& answer)
{
    return u("RICHTIG - Texteingabe ") + quoted(answer) + u(" wurde richtig eingegeben");
}

QString typedAlternativeLine(const QString& typed, const QString& answer)
{
    return u("RICHTIG - alternative Texteingabe ") + quoted(typed) + u(" für ") + quoted(answer) +
           u(" eingegeben");
}

QString typedWrongLine(const QString& typed, const QString& answer)
{
    return u("FALSCH - Texteingabe ") + quoted(typed) + u(" statt ") + quoted(answer) +
           u(" eingegeben");
}

} // namespace velunto
