#include "exercise/ordertable.h"

#include "common/random.h"
#include "document/document.h"
#include "exercise/normalizetext.h"

#include <QCollator>

namespace velunto {

namespace {

constexpr int kOpen = -5;
constexpr int kKeyLength = 20;

bool isPictureCard(int kind)
{
    return kind == ObjectKind::QueryImage || kind == ObjectKind::TableQueryImage;
}

QString pictureKey(const ObjDataTyp& o, RandomSource& random)
{
    if (!o.BildKenn.trimmed().isEmpty())
        return o.BildKenn + QStringLiteral(" (Bildkennung)");
    QString key;
    for (int i = 0; i < kKeyLength; ++i)
        key += QChar(u'a' + random.below(26));
    return key + QStringLiteral(" (Zufallskennung für Bild)");
}

} // namespace

QString comparisonText(const Document& document, const ComparisonKeys& keys, int index)
{
    if (!document.isValidIndex(index))
        return {};
    const auto it = keys.find(index);
    return it != keys.end() ? *it : document.objects[index].Text;
}

OrderTableResult buildOrderTable(const Document& document, const ExerciseOptions& options,
                                 const std::function<bool(int kind)>& asked, RandomSource& random)
{
    OrderTableResult result;
    auto& table = result.entries;
    const HeaderDataTyp& h = document.header;
    const auto& objects = document.objects;

    if (h.DokTyp == DokTyp::CrossAssign) {
        for (int i = 0; i < document.objectCount(); ++i) {
            const ObjDataTyp& o = objects[i];
            const bool element =
                o.Typ == ObjectKind::PairQueryText || o.Typ == ObjectKind::PairQueryImage;
            if (!element || o.Abdeckung != kOpen)
                continue;
            table.push_back({i, i});
            if (o.Typ == ObjectKind::PairQueryImage)
                result.keys.insert(i, o.BildKenn + QStringLiteral(" (Bildkennung)"));
        }
        return result;
    }

    for (int i = 0; i < document.objectCount(); ++i) {
        const ObjDataTyp& o = objects[i];
        if (!asked(o.Typ) || o.Abdeckung != kOpen)
            continue;
        table.push_back({i, i});
        if (isPictureCard(o.Typ))
            result.keys.insert(i, pictureKey(o, random));
    }
    const bool wrongWords =
        h.DokTyp == DokTyp::Cloze && (h.DokUnterTyp == ClozeSubType::FlowingWithWrongWords ||
                                      h.DokUnterTyp == ClozeSubType::CTestWithWrongWords);
    if (wrongWords &&
        (options.QueryMode == QueryMode::Free || options.QueryMode == QueryMode::SinglePositions)) {
        for (int i = 0; i < document.objectCount(); ++i)
            if (objects[i].Typ == ObjectKind::DistractorCard)
                table.push_back({i, -1});
    }

    const bool typesWithTextEntry =
        h.DokTyp == DokTyp::Free || h.DokTyp == DokTyp::Cloze || h.DokTyp == DokTyp::Crossword;
    if (typesWithTextEntry && options.QueryMode == QueryMode::TextEntry)
        return result;

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto text = [&](int index) { return comparisonText(document, result.keys, index); };

    if (h.DokTyp != DokTyp::MultipleChoice) {
        random.shuffle(table);
        if (options.CardOrder == 0 || h.DokTyp == DokTyp::Questions) {
            std::vector<std::pair<QString, OrderTableEntry>> keyed;
            for (const OrderTableEntry& e : table)
                keyed.push_back({normalizeText(text(e.textIndex)), e});
            selectionSort(keyed, [&](const auto& a, const auto& b) {
                return collator.compare(a.first, b.first) < 0;
            });
            for (size_t k = 0; k < table.size(); ++k)
                table[k] = keyed[k].second;
        }
    }

    if (options.PositionOrder != 0) {
        // Only the position column moves.
        const int n = int(table.size());
        for (int k = 0; k < n; ++k)
            std::swap(table[k].positionIndex, table[random.below(n)].positionIndex);
    } else if (h.DokTyp != DokTyp::MultipleChoice) {
        std::vector<size_t> slots;
        std::vector<int> positions;
        for (size_t k = 0; k < table.size(); ++k) {
            if (table[k].positionIndex >= 0) {
                slots.push_back(k);
                positions.push_back(table[k].positionIndex);
            }
        }
        if (h.GeordnetArt == 1) {
            selectionSort(positions,
                          [&](int a, int b) { return collator.compare(text(a), text(b)) < 0; });
        } else {
            selectionSort(positions, [&](int a, int b) {
                const ObjDataTyp& p = objects[a];
                const ObjDataTyp& q = objects[b];
                return p.Ky < q.Ky || (p.Ky == q.Ky && p.Kx < q.Kx);
            });
        }
        for (size_t k = 0; k < slots.size(); ++k)
            table[slots[k]].positionIndex = positions[k];
    }
    return result;
}

} // namespace velunto
