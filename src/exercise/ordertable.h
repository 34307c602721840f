#pragma once

#include "exercise/exerciseoptions.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

namespace velunto {

class Document;
class RandomSource;

// One entry of a run's OrderTable. The textIndex column gives the order in
// which cards are offered, the positionIndex column, sorted or shuffled on
// its own, the order and numbers of the positions; an entry therefore does
// not pair a card with its own position. Both are object indices;
// positionIndex is -1 for a wrong-word card.
struct OrderTableEntry
{
    int textIndex = -1;
    int positionIndex = -1;
    bool operator==(const OrderTableEntry&) const = default;
};

// The sort of every list of a run: for each place i the first smallest of
// the items from i on is exchanged into place i.
template <typename T, typename Less> void selectionSort(std::vector<T>& items, Less less)
{
    for (size_t i = 0; i < items.size(); ++i) {
        size_t smallest = i;
        for (size_t k = i + 1; k < items.size(); ++k)
            if (less(items[k], items[smallest]))
                smallest = k;
        std::swap(items[i], items[smallest]);
    }
}

// The text a run compares and shows for an object: its Text, or for a
// picture card its comparison key. Picture cards with the same BildKenn get
// the same key ("<BildKenn> (Bildkennung)") and are interchangeable; every
// other picture card gets a key of 20 random letters and is unique. The keys
// live in the run; the objects' texts stay as the author wrote them.
using ComparisonKeys = QHash<int, QString>;
QString comparisonText(const Document& document, const ComparisonKeys& keys, int index);

struct OrderTableResult
{
    std::vector<OrderTableEntry> entries;
    ComparisonKeys keys;
};

// Builds the OrderTable of a run from the objects whose state is open (-5).
// asked tells the objects asked in query modes 0 to 2.
OrderTableResult buildOrderTable(const Document& document, const ExerciseOptions& options,
                                 const std::function<bool(int kind)>& asked, RandomSource& random);

} // namespace velunto
