#include "content/cloze/clozelayout.h"

#include "common/numeric.h"
#include "content/cloze/clozecontent.h"
#include "content/layoutpage.h"
#include "document/document.h"
#include "document/linelayout.h"
#include "document/textcanvas.h"

#include <algorithm>

namespace velunto {

namespace {

constexpr int kSmallestFittedHeight = 8;

bool isClozeObject(int kind)
{
    return kind == ObjectKind::GapCard || kind == ObjectKind::DistractorCard ||
           (kind >= ObjectKind::TableFixedImage && kind <= ObjectKind::TableQueryText);
}

bool isTableObject(int kind)
{
    return kind >= ObjectKind::TableFixedImage && kind <= ObjectKind::TableQueryText;
}

// A paragraph without its trailing blanks (and other characters below the
// blank), which the layout ignores.
QStringView trimmedRight(QStringView paragraph)
{
    qsizetype end = paragraph.size();
    while (end > 0 && paragraph[end - 1].unicode() <= u' ')
        --end;
    return paragraph.left(end);
}

// The page and its indent margins in pixels.
struct Frame
{
    int width = 1;
    int height = 1;
    RectD margins; // fractions
    int leftX = 0;
    int topY = 0;
    int rightMargin = 0;
    int bottomPx = 0;

    Frame(const Document& document, QSize page)
        : width(std::max(1, page.width())), height(std::max(1, page.height())),
          margins(usableIndentMargins(document.header.EinrueckRand)),
          leftX(rnd(width * margins.left)), topY(rnd(height * margins.top)),
          rightMargin(rnd(width * margins.right)), bottomPx(rnd(height * margins.bottom))
    {
    }

    // 22 pixels on a page 870 pixels wide.
    int startHeight() const { return rnd(width / 870.0 * 22.0); }
    int textBottom() const { return height - bottomPx; }
};

// The next smaller character height of the fit.
int shrinkStep(int fontHeight)
{
    return std::max(1, rnd(fontHeight * 0.1));
}

LayoutParams clozeParams(const Document& document, const Frame& f, int fontHeight)
{
    LayoutParams p;
    p.mode = LayoutMode::Cloze;
    p.width = f.width;
    p.height = f.height;
    p.rightMargin = f.rightMargin;
    p.leftX = f.leftX;
    p.fontName = document.fontName();
    p.fontHeight = std::max(1, fontHeight);
    p.colour = document.header.TextCol;
    p.minGap = usableMinGap(document.header.MinLuecke);
    return p;
}

// The measuring pass: positions only, no object touched.
LayoutParams measuring(LayoutParams p)
{
    p.measureOnly = true;
    p.create = false;
    p.document = nullptr;
    return p;
}

// The drawing pass: gap cards made (create) or moved when there is a target
// document, text drawn with drawText.
LayoutParams placing(LayoutParams p, Document* target, bool create, bool drawText)
{
    p.measureOnly = false;
    p.create = create;
    p.textVisible = drawText;
    p.document = target;
    return p;
}

QStringList paragraphsOf(const QString& text)
{
    QStringList paragraphs = splitParagraphs(text);
    for (QString& p : paragraphs)
        p = trimmedRight(p).toString();
    return paragraphs;
}

// --- the flowing text -------------------------------------------------------------

ClozeLayoutResult layoutFlowing(const Document& document, Document* target, TextCanvas& canvas,
                                const Frame& f, bool create, bool drawText)
{
    const QStringList paragraphs = paragraphsOf(document.header.lueckentext);
    int shrink = 0;
    int fontHeight = f.startHeight();
    // Every round takes at least one pixel off, and the fit gives up at 8
    // pixels, so the loop ends also for a text that can never fit.
    while (fontHeight > kSmallestFittedHeight) {
        const LayoutParams p = measuring(clozeParams(document, f, fontHeight));
        int y = f.topY;
        bool fits = true;
        for (const QString& paragraph : paragraphs) {
            y = lineLayout(canvas, p, paragraph, y);
            if (y > f.textBottom()) {
                fits = false;
                break;
            }
        }
        if (fits)
            break;
        shrink -= shrinkStep(fontHeight);
        fontHeight = f.startHeight() + shrink;
    }

    const LayoutParams p = placing(clozeParams(document, f, fontHeight), target, create, drawText);
    if (target)
        target->gapCursor = 0;
    int y = f.topY;
    for (const QString& paragraph : paragraphs)
        y = lineLayout(canvas, p, paragraph, y);

    if (target && create && hasWrongWords(document.header.DokUnterTyp)) {
        for (const QString& word : wrongWords(document.header.fragentext))
            target->addGeneratedObject(ObjectKind::DistractorCard, Layer::BaseImage, word, -1, 0.0,
                                       0.0, Side::Right, 0);
    }
    return {std::max(1, fontHeight), shrink, {}};
}

// --- the gap table ------------------------------------------------------------------

class TableLayout
{
  public:
    TableLayout(const Document& document, Document* target, TextCanvas& canvas, const Frame& f)
        : m_doc(document), m_target(target), m_canvas(canvas), m_f(f),
          m_rows(std::clamp(document.header.LueckenTabelleZeilen, 1, kTableRows)),
          m_columns(std::clamp(document.header.LueckenTabelleSpalten, 1, kTableColumns))
    {
        const double area = (1.0 - f.margins.left - f.margins.right) * f.width;
        m_gap = rnd(area * 0.03);
        m_columnWidth = std::max(1, rnd((area - (m_columns - 1) * m_gap) / m_columns));
        m_rowHeight =
            std::max(1, rnd((1.0 - f.margins.top - f.margins.bottom) * f.height / m_rows));
    }

    ClozeLayoutResult run(bool create, bool drawText);

  private:
    const lueckentabellearrtyp& cell(int r, int c) const
    {
        return m_doc.header.LueckenTabelle[std::size_t(r)][std::size_t(c)];
    }
    int columnX(int c) const { return m_f.leftX + c * (m_columnWidth + m_gap); }
    int pictureHeight(const lueckentabellearrtyp& cell) const
    {
        const int step = std::clamp(cell.Groesse, 0, 400);
        return rnd((step * 2 + 22) * 1.115 * m_f.width / 870.0 + m_f.height * 0.028);
    }
    int queryTextHeight() const { return rnd(0.75 * m_rowHeight); }
    // A text cell's paragraphs between the column's edges.
    LayoutParams cellParams(LayoutParams p, int c) const
    {
        p.leftX = columnX(c);
        p.rightMargin = m_f.width - (columnX(c) + m_columnWidth);
        p.tabsInArea = true;
        return p;
    }
    static bool isTextCell(const lueckentabellearrtyp& cell)
    {
        return cell.Art != CellKind::QueryText && !isClozePictureCell(cell.Art);
    }

    // The measuring pass; false as soon as a text paragraph ends below the
    // bottom margin.
    bool fits(int fontHeight);
    void placeObject(const lueckentabellearrtyp& cell, int c, int y0, bool create);

    const Document& m_doc;
    Document* m_target; // receives the objects; none when only drawing
    TextCanvas& m_canvas;
    const Frame& m_f;
    int m_rows;
    int m_columns;
    int m_gap = 0;
    int m_columnWidth = 1;
    int m_rowHeight = 1;
    int m_nextObject = 0; // without create: the next table object to move
};

bool TableLayout::fits(int fontHeight)
{
    const LayoutParams p = measuring(clozeParams(m_doc, m_f, fontHeight));
    int y = m_f.topY;
    for (int r = 0; r < m_rows; ++r) {
        int rowBottom = y;
        for (int c = 0; c < m_columns; ++c) {
            const lueckentabellearrtyp& it = cell(r, c);
            int bottom = y;
            if (isTextCell(it)) {
                const LayoutParams cp = cellParams(p, c);
                for (const QString& paragraph : paragraphsOf(it.Text)) {
                    bottom = lineLayout(m_canvas, cp, paragraph, bottom);
                    if (bottom > m_f.textBottom())
                        return false;
                }
            } else {
                bottom += it.Art == CellKind::QueryText ? queryTextHeight() : pictureHeight(it);
            }
            rowBottom = std::max(rowBottom, bottom);
        }
        y = rowBottom;
    }
    return true;
}

void TableLayout::placeObject(const lueckentabellearrtyp& it, int c, int y0, bool create)
{
    if (!m_target)
        return;
    Document& doc = *m_target;
    const double W = m_f.width;
    const double H = m_f.height;
    const double x = (columnX(c) + m_columnWidth / 2.0) / W;
    const bool text = it.Art == CellKind::QueryText;
    const double y = y0 / H + (text ? 0.015 : 0.0035);

    if (!create) {
        while (m_nextObject < doc.objectCount() &&
               !isTableObject(doc.objects[std::size_t(m_nextObject)].Typ))
            ++m_nextObject;
        if (m_nextObject < doc.objectCount()) {
            ObjDataTyp& o = doc.objects[std::size_t(m_nextObject++)];
            o.Kx = x;
            o.Ky = y;
        }
        return;
    }

    const int kind = tableObjectKind(it.Art);
    const QString caption = text                                 ? it.Text
                            : kind == ObjectKind::TableImageLink ? it.Link
                                                                 : QString();
    const int index = doc.addGeneratedObject(kind, Layer::TextsAndImages, caption, 0, x, y,
                                             Side::Bottom, text ? 0 : it.Groesse);
    ObjDataTyp& o = doc.objects[std::size_t(index)];
    o.KBreite = 0.95 * m_columnWidth / W;
    if (text) {
        o.TAusr = 1;
        o.KHoehe = 0.75 * m_rowHeight / H - 0.03;
        return;
    }
    o.Bild = it.Bild;
    o.BildKenn = it.BildKenn;
    o.BildkarteAnpassen = it.BildkarteAnpassen;
    if (kind == ObjectKind::TableImageLink)
        o.PunktInUebung = it.LinkInUebung;
}

ClozeLayoutResult TableLayout::run(bool create, bool drawText)
{
    int shrink = 0;
    int fontHeight = m_f.startHeight();
    while (fontHeight > kSmallestFittedHeight && !fits(fontHeight)) {
        shrink -= shrinkStep(fontHeight);
        fontHeight = m_f.startHeight() + shrink;
    }

    ClozeLayoutResult result{std::max(1, fontHeight), shrink, {}};
    const bool gridLines = drawText && m_doc.header.LueckenTabelleLinie == 1;
    const LayoutParams p = placing(clozeParams(m_doc, m_f, fontHeight), m_target, create, drawText);
    if (m_target)
        m_target->gapCursor = 0;
    m_nextObject = 0;
    int y = m_f.topY;
    for (int r = 0; r < m_rows; ++r) {
        int rowBottom = y;
        for (int c = 0; c < m_columns; ++c) {
            const lueckentabellearrtyp& it = cell(r, c);
            int bottom = y;
            if (isTextCell(it)) {
                const LayoutParams cp = cellParams(p, c);
                for (const QString& paragraph : paragraphsOf(it.Text))
                    bottom = lineLayout(m_canvas, cp, paragraph, bottom);
            } else {
                placeObject(it, c, y, create);
                bottom += it.Art == CellKind::QueryText ? queryTextHeight() : pictureHeight(it);
            }
            rowBottom = std::max(rowBottom, bottom);
        }
        if (gridLines && r < m_rows - 1)
            result.gridLines.emplace_back(
                m_f.leftX, rowBottom, rnd((1.0 - m_f.margins.right) * m_f.width) - 1, rowBottom);
        y = rowBottom;
    }
    if (gridLines) {
        for (int c = 1; c < m_columns; ++c) {
            const int x = columnX(c) - m_gap / 2;
            result.gridLines.emplace_back(x, m_f.topY, x, y - 1);
        }
    }
    return result;
}

} // namespace

ClozeLayoutResult layoutCloze(Document& document, TextCanvas& canvas, QSize page, bool create,
                              bool drawText)
{
    if (document.header.DokTyp != DokTyp::Cloze)
        return {};
    if (create)
        std::erase_if(document.objects, [](const ObjDataTyp& o) { return isClozeObject(o.Typ); });

    const Frame frame(document, page);
    const ClozeLayoutResult result =
        document.header.DokUnterTyp == ClozeSubType::Table
            ? TableLayout(document, &document, canvas, frame).run(create, drawText)
            : layoutFlowing(document, &document, canvas, frame, create, drawText);
    document.clozeFontStep = result.fontShrink;
    return result;
}

ClozeLayoutResult drawCloze(const Document& document, TextCanvas& canvas, QSize page)
{
    if (document.header.DokTyp != DokTyp::Cloze)
        return {};
    const Frame frame(document, page);
    return document.header.DokUnterTyp == ClozeSubType::Table
               ? TableLayout(document, nullptr, canvas, frame).run(false, true)
               : layoutFlowing(document, nullptr, canvas, frame, false, true);
}

QSize clozeLayoutPage(const Document& document)
{
    const QSize page = layoutPageSize(document);
    return {kClozePageWidth,
            std::max(1, rnd(double(page.height()) * kClozePageWidth / page.width()))};
}

int clozeCharacterHeight(const Document& document, int pageWidth, int sizeStep)
{
    const int step = std::clamp(sizeStep, -8, 400);
    return std::max(1, rnd((2.0 * step + 22.0 + document.clozeFontStep) * pageWidth / 870.0));
}

} // namespace velunto
