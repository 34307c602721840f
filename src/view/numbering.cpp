#include "view/numbering.h"

#include "common/random.h"
#include "document/document.h"
#include "document/objectkinds.h"

#include <QCollator>

#include <algorithm>
#include <climits>
#include <functional>

namespace velunto {

namespace {

// For each position j, the first entry at or after j that is strictly
// smaller than every entry before it is swapped to j: the first minimum wins,
// so equal entries keep their list order.
void selectionSort(std::vector<OrderEntry>& list,
                   const std::function<bool(const OrderEntry&, const OrderEntry&)>& less)
{
    for (size_t j = 0; j < list.size(); ++j) {
        size_t best = j;
        for (size_t k = j + 1; k < list.size(); ++k) {
            if (less(list[k], list[best]))
                best = k;
        }
        std::swap(list[j], list[best]);
    }
}

std::vector<OrderEntry> buildOrderList(const Document& document, const ViewState& view)
{
    std::vector<OrderEntry> list;
    const int type = document.header.DokTyp;
    for (int i = 0; i < document.objectCount(); ++i) {
        const ObjDataTyp& o = document.objects[i];
        bool take = false;
        if (type == DokTyp::MultipleChoice)
            take = o.Typ == ObjectKind::McAnswerBox;
        else if (type == DokTyp::Questions)
            take = o.Typ == ObjectKind::QuestionAnswer && isObjectShown(o, view);
        else
            take = isOrderListKind(o.Typ) && isObjectShown(o, view);
        if (take)
            list.push_back({i, i});
    }
    return list;
}

// A permutation of 1..count: identity, or each value placed into a randomly
// chosen slot that is still empty.
std::vector<int> answerPermutation(int count, bool shuffled, RandomSource& random)
{
    std::vector<int> slots(std::max(count, 0), 0);
    for (int v = 1; v <= count; ++v) {
        if (!shuffled) {
            slots[v - 1] = v;
            continue;
        }
        int pick = random.below(count - v + 1);
        for (int& slot : slots) {
            if (slot != 0)
                continue;
            if (pick-- == 0) {
                slot = v;
                break;
            }
        }
    }
    return slots;
}

} // namespace

QString numberLabel(int nummer, int numArt)
{
    if (nummer < 1)
        return QStringLiteral("?");
    if (numArt != 1)
        return QString::number(nummer);
    QString label(QChar(u'A' + (nummer - 1) % 26));
    label += QString((nummer - 1) / 26, QChar(u'\''));
    return label;
}

bool isObjectShown(const ObjDataTyp& object, const ViewState& view)
{
    if (!view.layerShown(object.Ebene))
        return false;
    if (isHideableKind(object.Typ))
        return object.Sichtbar != 0;
    return true;
}

std::vector<OrderEntry> numberObjects(Document& document, const ViewState& view, int mode,
                                      RandomSource& random)
{
    std::vector<OrderEntry> list = buildOrderList(document, view);
    const auto& objects = document.objects;

    // The answer boxes of a multiple-choice document stay in list order: their
    // numbers come from one permutation per question, taken along the list.
    const bool reorder = document.header.DokTyp != DokTyp::MultipleChoice;
    if (reorder && mode == NumberingMode::Ordered && document.header.GeordnetArt == 1) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        selectionSort(list, [&](const OrderEntry& a, const OrderEntry& b) {
            return collator.compare(objects[a.objectIndex].Text, objects[b.objectIndex].Text) < 0;
        });
    } else if (reorder && mode == NumberingMode::Ordered) {
        selectionSort(list, [&](const OrderEntry& a, const OrderEntry& b) {
            const ObjDataTyp& p = objects[a.objectIndex];
            const ObjDataTyp& q = objects[b.objectIndex];
            return p.Ky < q.Ky || (p.Ky == q.Ky && p.Kx < q.Kx);
        });
    } else if (reorder && mode == NumberingMode::Random) {
        random.shuffle(list);
    }

    for (ObjDataTyp& o : document.objects)
        o.Nummer = -1;

    int question = INT_MIN;
    std::vector<int> permutation;
    size_t next = 0;
    for (size_t i = 0; i < list.size(); ++i) {
        ObjDataTyp& o = document.objects[list[i].objectIndex];
        if (isNumberedKind(o.Typ)) {
            o.Nummer = mode == NumberingMode::QuestionMarks ? 0 : int(i) + 1;
        } else if (o.Typ == ObjectKind::McAnswerBox) {
            if (o.FrageNummer != question) {
                question = o.FrageNummer;
                // A question has no more answers than there are boxes.
                const int answers = std::min(o.AntwortAnz, int(list.size()));
                permutation = answerPermutation(answers, mode == NumberingMode::Random, random);
                next = 0;
            }
            const int value = next < permutation.size() ? permutation[next++] : 0;
            o.Nummer = mode == NumberingMode::QuestionMarks ? 0 : value;
        } else if (o.Typ == ObjectKind::QuestionAnswer) {
            o.Nummer = 0;
        } else {
            o.Nummer = -1;
            o.Abdeckung = 0;
        }
    }
    document.notifyAllObjectsChanged(ObjectAspect::State);
    return list;
}

void number(Document& document, Session& session, const ViewState& view, int mode,
            RandomSource& random)
{
    std::vector<OrderEntry> list = numberObjects(document, view, mode, random);
    session.setNumbering(mode, std::move(list));
}

} // namespace velunto
