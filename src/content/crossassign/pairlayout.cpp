#include "content/crossassign/pairlayout.h"

#include "common/numeric.h"
#include "common/random.h"
#include "content/cluster/clustercontent.h"
#include "content/contentobjects.h"
#include "content/layoutpage.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace velunto {

namespace {

constexpr int kFirstKind = ObjectKind::PairFixedText;
constexpr int kLastKind = ObjectKind::PairQueryImage;
// Random passes before the elements still at home are moved by hand.
constexpr int kMaxShufflePasses = 100;

bool isPairKind(int kind)
{
    return kind >= kFirstKind && kind <= kLastKind;
}

bool isQueryArt(int art)
{
    return art == 1 || art == 3;
}

bool isPictureArt(int art)
{
    return art == 2 || art == 3;
}

// A cell kind outside 0..3 comes from a damaged file and counts as a static text.
int usableArt(int art)
{
    return art >= 0 && art <= 3 ? art : 0;
}

class PairBuilder
{
  public:
    PairBuilder(Document& document, QSize page)
        : m_doc(document), m_g(pairGeometry(document.header, page)), m_w(std::max(1, page.width())),
          m_h(std::max(1, page.height()))
    {
    }

    void build()
    {
        std::erase_if(m_doc.objects, [](const ObjDataTyp& o) { return isPairKind(o.Typ); });
        const bool three = m_g.columns == 3;
        const int cw = m_g.columnWidth;
        const int off = m_g.offset;
        std::vector<int> middles;
        for (int r = 0; r < m_g.rows; ++r) {
            const int middleX =
                three ? m_g.leftX + cw + off + rnd((cw - off) * 0.5) : m_g.leftX + cw + off;
            const int left = element(r, 0, m_g.leftX + cw - off, Side::Left, 2);
            const int right =
                element(r, 1, middleX, three ? Side::Centre : Side::Right, three ? 1 : 0);
            pair(left, right, r, QStringLiteral("Paar#"));
            middles.push_back(right);
        }
        if (!three)
            return;
        const int base = m_g.leftX + rnd(cw * 2.3);
        for (int r = 0; r < m_g.rows; ++r) {
            const int copy = element(r, 1, base - off, Side::Left, 2);
            m_doc.objects[copy].Sichtbar = 0;
            const int right = element(r, 2, base + off, Side::Right, 0);
            pair(copy, right, r, QStringLiteral("Paar2#"));
            // The copy is never shown: the line starts where the middle card ends.
            const ObjDataTyp& middle = m_doc.objects[middles[r]];
            m_doc.objects[right].Sx = middle.Kx + middle.KBreite / 2.0;
        }
    }

  private:
    int element(int row, int column, int x, int side, int alignment)
    {
        const lueckentabellearrtyp& cell = m_doc.header.LueckenTabelle[row][column];
        const int art = usableArt(cell.Art);
        const bool picture = isPictureArt(art);
        const QString text = picture ? QString() : cell.Text.leftJustified(4, u' ');
        const double y = ((row + 0.5) * m_g.rowHeight + m_g.topY) / m_h;
        const int index =
            m_doc.addGeneratedObject(kFirstKind + art, Layer::TextsAndImages, text, -1, x / m_w, y,
                                     side, picture ? cell.Groesse : 0);
        ObjDataTyp& o = m_doc.objects[index];
        o.TAusr = alignment;
        if (picture)
            o.Bild = cell.Bild;
        o.KBreite = (m_g.columnWidth - m_g.offset) / m_w;
        o.KHoehe = 0.85 * m_g.rowHeight / m_h;
        return index;
    }

    // The right-hand element draws the line from its partner's card point,
    // where the partner's card ends, to its own card.
    void pair(int left, int right, int row, const QString& name)
    {
        ObjDataTyp& l = m_doc.objects[left];
        ObjDataTyp& r = m_doc.objects[right];
        l.Partner = right;
        r.Partner = left;
        r.Sline = kPairLine;
        r.LinieDicke = 2;
        r.LinieFarbe = m_doc.header.LueckenTabelleLinieCol;
        r.Sx = l.Kx;
        r.Sy = r.Ky;
        if (isQueryArt(r.Typ - kFirstKind))
            r.FrageNummer = ++m_question;
        l.BildKenn = r.BildKenn = name + QString::number(row + 1);
    }

    Document& m_doc;
    const PairGeometry m_g;
    const double m_w;
    const double m_h;
    int m_question = 0;
};

bool atHome(const ObjDataTyp& o)
{
    return o.Ky == o.Sy;
}

// Shuffles the elements of one column with exchange(a, b), which swaps the
// places of the elements at object indices a and b: random passes until no
// element is at home (one pass for a single element), then, if some still
// are, each of them is exchanged with the next element of the column. Rows
// are distinct, so such an exchange leaves both elements away from home.
void shuffleColumn(Document& doc, const std::vector<int>& column, RandomSource& random,
                   const std::function<void(int, int)>& exchange)
{
    const int n = int(column.size());
    if (n == 0)
        return;
    auto noneAtHome = [&] {
        return std::none_of(column.begin(), column.end(),
                            [&](int i) { return atHome(doc.objects[i]); });
    };
    for (int pass = 0; pass < kMaxShufflePasses; ++pass) {
        for (int j = 0; j < n; ++j)
            exchange(column[j], column[random.below(n)]);
        if (n == 1 || noneAtHome())
            return;
    }
    for (int j = 0; j < n; ++j) {
        if (atHome(doc.objects[column[j]]))
            exchange(column[j], column[(j + 1) % n]);
    }
}

} // namespace

int pairRows(const HeaderDataTyp& header)
{
    return std::clamp(header.LueckenTabelleZeilen, 1, kTableRows);
}

int pairColumns(const HeaderDataTyp& header)
{
    return header.LueckenTabelleSpalten == 3 ? 3 : 2;
}

PairGeometry pairGeometry(const HeaderDataTyp& header, QSize page)
{
    const RectD m = usableIndent(header.EinrueckRand);
    const double W = page.width();
    const double H = page.height();
    PairGeometry g;
    g.columns = pairColumns(header);
    g.rows = pairRows(header);
    g.leftX = rnd(W * m.left);
    g.topY = rnd(H * m.top);
    const double usable = (1.0 - m.right - m.left) * W;
    g.columnWidth = g.columns == 3 ? rnd(usable / 3.3) : rnd(usable * 0.5);
    g.offset = rnd(g.columnWidth * 0.25);
    g.rowHeight = rnd((1.0 - m.top - m.bottom) * H / g.rows);
    return g;
}

void layoutPairs(Document& document, QSize page)
{
    PairBuilder(document, page).build();
}

void buildPairs(Document& document, bool create)
{
    if (!create || document.header.DokTyp != DokTyp::CrossAssign)
        return;
    layoutPairs(document, layoutPageSize(document));
}

void shufflePairs(Document& document, RandomSource& random)
{
    auto& objects = document.objects;
    std::vector<int> elements;
    for (int i = 0; i < document.objectCount(); ++i) {
        const ObjDataTyp& o = objects[i];
        if ((o.Typ == ObjectKind::PairQueryText || o.Typ == ObjectKind::PairQueryImage) &&
            o.FrageNummer > 0)
            elements.push_back(i);
    }
    std::stable_sort(elements.begin(), elements.end(),
                     [&](int a, int b) { return objects[a].FrageNummer < objects[b].FrageNummer; });

    auto swapKy = [&](int a, int b) {
        if (a != b)
            std::swap(objects[a].Ky, objects[b].Ky);
    };
    if (pairColumns(document.header) == 2) {
        shuffleColumn(document, elements, random, swapKy);
        return;
    }

    // Three columns: the middle elements (centred on their point) move to
    // another row together with the second pair of their row, the hidden
    // copy 2 x rows - 1 objects after them and the third-column element
    // 2 x rows after them, whose line moves along (Sy). Then the third-column
    // elements change rows among themselves.
    std::vector<int> middle;
    std::vector<int> third;
    for (int i : elements)
        (objects[i].KAusr == Side::Centre ? middle : third).push_back(i);
    const int rows = pairRows(document.header);
    auto secondPair = [&](int i, int after) {
        const int j = i + after;
        return document.isValidIndex(j) && isPairKind(objects[j].Typ) ? j : -1;
    };
    auto swapRows = [&](int a, int b) {
        if (a == b)
            return;
        std::swap(objects[a].Ky, objects[b].Ky);
        const int copyA = secondPair(a, 2 * rows - 1);
        const int copyB = secondPair(b, 2 * rows - 1);
        if (copyA >= 0 && copyB >= 0)
            std::swap(objects[copyA].Ky, objects[copyB].Ky);
        const int thirdA = secondPair(a, 2 * rows);
        const int thirdB = secondPair(b, 2 * rows);
        if (thirdA >= 0 && thirdB >= 0) {
            std::swap(objects[thirdA].Ky, objects[thirdB].Ky);
            std::swap(objects[thirdA].Sy, objects[thirdB].Sy);
        }
    };
    shuffleColumn(document, middle, random, swapRows);
    shuffleColumn(document, third, random, swapKy);
}

void placePairsForRun(Document& document, RandomSource& random)
{
    layoutPairs(document, layoutPageSize(document));
    shufflePairs(document, random);
}

void relinkPairPartners(Document& document)
{
    int waiting = -1;
    for (int i = 0; i < document.objectCount(); ++i) {
        ObjDataTyp& o = document.objects[i];
        if (!isPairKind(o.Typ))
            continue;
        if (waiting < 0) {
            waiting = i;
            o.Partner = -1;
            continue;
        }
        o.Partner = waiting;
        document.objects[waiting].Partner = i;
        waiting = -1;
    }
}

void applyPairContent(Document& document, const GapTableContent& content)
{
    deleteContentObjects(document);
    HeaderDataTyp& h = document.header;
    h.DokTyp = DokTyp::CrossAssign;
    h.DokUnterTyp = 0;
    h.lueckentext.clear();
    h.fragentext.clear();

    GapTableContent kept = content;
    kept.rows = std::clamp(content.rows, 1, kTableRows);
    kept.columns = content.columns == 3 ? 3 : 2;
    h.LueckenTabelleZeilen = kept.rows;
    h.LueckenTabelleSpalten = kept.columns;
    h.LueckenTabelleLinieCol = content.lineColour;
    h.TextCol = content.textColour;
    takeGapTableCells(h, kept);
    document.setModified(true);
    layoutPairs(document, layoutPageSize(document));
}

void prepareNewPairs(Document& document)
{
    HeaderDataTyp& h = document.header;
    h.DokTyp = DokTyp::CrossAssign;
    h.LueckenTabelleLinieCol = 0x000000;
    h.ABAufgabe = QStringLiteral("Aufgabe: Verbinde die einander zugehörigen Elemente!");
    h.EinrueckRand = defaultEinrueckRand(DokTyp::CrossAssign);
    for (auto& row : h.LueckenTabelle)
        for (lueckentabellearrtyp& cell : row)
            cell.Art = 1;
}

} // namespace velunto
