#include "document/linelayout.h"

#include "common/numeric.h"
#include "document/document.h"
#include "document/markup.h"
#include "document/textcanvas.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kRed = 0x0000FF;
constexpr int kMaxInfoTextHeight = 3000;

double fraction(double value, int total)
{
    return total > 0 ? value / total : 0.0;
}

// The state of laying out one paragraph. Positions are 0-based indices into
// s, the paragraph with one blank appended; lastBreak -1 means "none".
class ParagraphLayout
{
  public:
    ParagraphLayout(TextCanvas& canvas, const LayoutParams& p, QStringView paragraph, int y)
        : m_canvas(canvas), m_p(p), m_s(paragraph.toString() + u' '),
          m_paragraphLength(paragraph.size()), m_y(y)
    {
    }

    int run();

  private:
    bool gapsActive() const { return m_p.mode != LayoutMode::Info; }
    bool worksheetMode() const
    {
        return m_p.mode == LayoutMode::Worksheet || m_p.mode == LayoutMode::SolutionOverlay ||
               m_p.mode == LayoutMode::Solution;
    }
    bool drawsText() const
    {
        if (m_p.measureOnly)
            return false;
        if (m_p.mode == LayoutMode::SolutionOverlay || m_p.mode == LayoutMode::Cloze)
            return m_p.textVisible;
        return true;
    }
    // The tag at pos; outside gap modes "<<" and ">>" are text.
    MarkupTag tagHere(qsizetype pos) const
    {
        const MarkupTag tag = tagAt(m_s, pos);
        if (!gapsActive() && (tag.kind == TagKind::GapOpen || tag.kind == TagKind::GapClose))
            return {};
        return tag;
    }
    int lineEnd() const { return m_p.width - m_p.rightMargin; }
    // Where a rule ends.
    int areaRight() const { return m_p.tabsInArea ? lineEnd() : m_p.width; }
    QString minimumGapText() const { return QString(std::max(0, m_p.minGap), u'X'); }

    void switchStyle(TagKind kind)
    {
        m_style = switchesOn(kind) ? m_style | styleBitOf(kind) : m_style & ~styleBitOf(kind);
    }
    void applyFont(ColorRef colour)
    {
        TextFont f;
        f.family = m_p.fontName;
        f.pixelSize = m_p.fontHeight;
        f.pointSize = m_p.fontSize;
        f.style = m_style;
        f.colour = colour;
        m_canvas.setFont(f);
    }
    int widthOf(qsizetype from, qsizetype to) // [from, to)
    {
        return to > from ? m_canvas.width(QStringView(m_s).mid(from, to - from)) : 0;
    }

    void output(qsizetype from, qsizetype to);
    void newLine()
    {
        m_x = m_p.leftX;
        m_y += m_lineHeight;
    }
    // Makes [pos, pos + length) a skipped tag: nothing of it is output, and the
    // next character may break the line right there.
    void skipTag(qsizetype pos, int length)
    {
        m_segStart = pos + length;
        m_lastBreak = m_segStart - 1;
    }

    void openGap(qsizetype pos);
    void closeGap(qsizetype pos);
    void emitGap(const QString& content);
    void plainCharacter(qsizetype& pos);

    TextCanvas& m_canvas;
    const LayoutParams& m_p;
    const QString m_s;
    const qsizetype m_paragraphLength;
    int m_x = 0;
    int m_y = 0;
    int m_h0 = 0;
    int m_lineHeight = 0;
    int m_style = 0;
    qsizetype m_segStart = 0;
    qsizetype m_lastBreak = -1;
    bool m_inGap = false;
};

int ParagraphLayout::run()
{
    applyFont(m_p.colour);
    m_h0 = m_canvas.textHeight();
    m_lineHeight = rnd(1.25 * m_h0);
    if (m_p.mode != LayoutMode::Info)
        m_lineHeight = rnd(1.1 * m_lineHeight);
    m_y += rnd(1.25 * m_h0 * 0.02 / 0.055);
    m_x = m_p.leftX;

    const qsizetype n = m_s.size();
    qsizetype pos = 0;
    while (pos < n) {
        const MarkupTag tag = tagHere(pos);

        if (m_inGap) {
            // Inside a gap only ">>" ends it. Other tags are passed over whole
            // (style tags still switch), so that nothing of the answer is
            // output as text and a tag's ">" cannot pair with the next one.
            if (tag.kind == TagKind::GapClose) {
                closeGap(pos);
            } else if (tag.kind != TagKind::None && tag.kind != TagKind::GapOpen) {
                if (isStyleTag(tag.kind))
                    switchStyle(tag.kind);
                pos += tag.length;
                continue;
            }
            pos = std::max(pos + 1, m_segStart);
            continue;
        }

        switch (tag.kind) {
        case TagKind::BoldOn:
        case TagKind::BoldOff:
        case TagKind::ItalicOn:
        case TagKind::ItalicOff:
        case TagKind::UnderlineOn:
        case TagKind::UnderlineOff:
            output(m_segStart, pos);
            switchStyle(tag.kind);
            skipTag(pos, tag.length);
            break;
        case TagKind::GapOpen:
            openGap(pos);
            break;
        case TagKind::GapClose:
            // A ">>" without "<<" makes a gap of the text not yet output.
            closeGap(pos);
            break;
        case TagKind::ColourOn:
        case TagKind::ColourOff:
            output(m_segStart, pos);
            skipTag(pos, tag.length);
            break;
        case TagKind::Rule:
            output(m_segStart, pos);
            if (drawsText())
                m_canvas.drawHLine(m_x, areaRight(), m_y + m_lineHeight / 2 - 1, m_p.colour);
            m_x = areaRight();
            // With the break candidate just before the next character, that
            // character finds no room after x = W and starts the next line.
            skipTag(pos, tag.length);
            break;
        case TagKind::TabStop:
            output(m_segStart, pos);
            m_x = m_p.tabsInArea ? m_p.leftX + rnd(tag.value / 100.0 * (lineEnd() - m_p.leftX))
                                 : rnd(tag.value / 100.0 * m_p.width);
            // As after the rule: text that does not fit behind the tab moves
            // to the next line instead of running off the page.
            skipTag(pos, tag.length);
            break;
        case TagKind::RightAlign: {
            output(m_segStart, pos);
            // The field holds the next nn characters, but at most up to the
            // end of the paragraph and never a tag, which is handled as a tag.
            const qsizetype fieldStart = pos + tag.length;
            qsizetype fieldEnd = fieldStart;
            while (fieldEnd < fieldStart + tag.value && fieldEnd < m_paragraphLength &&
                   tagHere(fieldEnd).kind == TagKind::None)
                ++fieldEnd;
            applyFont(m_p.colour);
            m_x += tag.value * m_canvas.width(u"0") - widthOf(fieldStart, fieldEnd);
            output(fieldStart, fieldEnd);
            m_segStart = fieldEnd;
            break;
        }
        case TagKind::None:
            plainCharacter(pos);
            break;
        }
        pos = std::max(pos + 1, m_segStart);
    }
    output(m_segStart, n);
    newLine();
    return m_y;
}

void ParagraphLayout::output(qsizetype from, qsizetype to)
{
    applyFont(m_p.colour);
    if (to <= from)
        return;
    QString text = m_s.mid(from, to - from);
    if (m_inGap) // the rest of a gap that is never closed: its tags were applied already
        text = removeTags(text);
    if (drawsText())
        m_canvas.drawText(m_x, m_y, text);
    m_x += m_canvas.width(text);
}

void ParagraphLayout::openGap(qsizetype pos)
{
    // The letters glued to the gap's front travel with it as one word.
    qsizetype wordStart = pos;
    while (wordStart > 0 && wordStart > m_segStart && m_s[wordStart - 1] != u' ')
        --wordStart;
    output(m_segStart, wordStart);
    m_segStart = wordStart;

    // Estimated width of the word: from two characters into it up to the
    // blank after its gap, at least the minimum gap.
    const qsizetype close = m_s.indexOf(u">>", wordStart);
    const qsizetype e =
        close < 0 ? m_s.size() - 1 : std::max<qsizetype>(m_s.indexOf(u' ', close + 2), 0);
    QString t = m_s.mid(wordStart + 2, std::max<qsizetype>(0, e - wordStart - 3));
    t = t.left(t.indexOf(u'|') < 0 ? t.size() : t.indexOf(u'|'));
    const int g = std::max(m_canvas.width(u' ' + minimumGapText()), m_canvas.width(u' ' + t));
    if (m_x + g > lineEnd() && m_x > m_p.leftX)
        newLine();

    output(wordStart, pos);
    m_inGap = true;
    m_segStart = pos + 2;
    m_lastBreak = pos + 1;
}

void ParagraphLayout::closeGap(qsizetype pos)
{
    emitGap(removeTags(QStringView(m_s).mid(m_segStart, pos - m_segStart)));
    m_inGap = false;

    // Letters glued to the gap's end belong to its word; a tag ends them and
    // is then handled as a tag.
    qsizetype p = pos + 2;
    while (p < m_s.size() && m_s[p] != u' ' && tagHere(p).kind == TagKind::None)
        ++p;
    output(pos + 2, p);
    m_segStart = p;
    m_lastBreak = p - 1;
}

void ParagraphLayout::emitGap(const QString& content)
{
    const QString first = gapAlternatives(content).constFirst();

    applyFont(m_p.colour);
    int b = std::max({m_canvas.width(u" XX"), m_canvas.width(u' ' + first),
                      m_canvas.width(u' ' + minimumGapText())});

    if (m_p.mode == LayoutMode::Cloze && m_p.document) {
        Document& doc = *m_p.document;
        ObjDataTyp* gap = nullptr;
        if (m_p.create && !m_p.measureOnly) {
            const int index = doc.addGeneratedObject(ObjectKind::GapCard, Layer::TextsAndImages,
                                                     first, 0, 0.0, 0.0, Side::Top, 0);
            gap = &doc.objects[index];
            gap->BildKenn = gapAnswerList(content);
        } else {
            for (int i = std::max(0, doc.gapCursor); i < doc.objectCount(); ++i) {
                if (doc.objects[i].Typ == ObjectKind::GapCard) {
                    gap = &doc.objects[i];
                    doc.gapCursor = i + 1;
                    break;
                }
            }
        }
        if (gap) {
            // The answer card stands centred on the gap, just below the text.
            gap->Kx = gap->Sx = fraction(m_x + b / 2.0, m_p.width);
            gap->Ky = gap->Sy = fraction(m_y + m_canvas.textHeight() + 4, m_p.height);
        }
    }

    if (worksheetMode()) {
        b += rnd(b * (m_p.boxSizePercent - 100) / 100.0);
        const bool writeInLine =
            m_p.mode == LayoutMode::Worksheet || m_p.mode == LayoutMode::Solution;
        if (writeInLine && !m_p.measureOnly)
            m_canvas.drawHLine(m_x, m_x + b, m_y + m_h0, kBlack);
        if (m_p.mode != LayoutMode::Worksheet) {
            applyFont(kRed);
            if (!m_p.measureOnly)
                m_canvas.drawText(m_x, m_y, QString(u' ' + first));
        }
    }
    m_x += b;
}

// A character that is no tag: it joins the pending run while the run fits
// the line (or while inside a gap, which is never broken). Otherwise the line
// is broken at the last blank of the run, or just before the run when it
// starts right after a tag and the line already holds something. With no
// such break the run is a word wider than the line: it is cut after this
// character, the first that does not fit. Every break outputs at least one
// character or moves to a fresh line, where the empty break cannot apply
// again, so the layout always advances.
void ParagraphLayout::plainCharacter(qsizetype& pos)
{
    applyFont(m_p.colour);
    if (m_x + widthOf(m_segStart, pos + 1) <= lineEnd() - 10) {
        if (m_s[pos] == u' ')
            m_lastBreak = pos;
        return;
    }
    if (m_lastBreak >= 0 &&
        (m_lastBreak >= m_segStart || (m_lastBreak == m_segStart - 1 && m_x > m_p.leftX)))
        pos = m_lastBreak;
    output(m_segStart, pos + 1);
    newLine();
    m_lastBreak = pos;
    m_segStart = pos + 1;
    while (m_segStart < m_s.size() && m_s[m_segStart] == u' ')
        ++m_segStart;
}

} // namespace

int lineLayout(TextCanvas& canvas, const LayoutParams& params, QStringView paragraph, int y)
{
    return ParagraphLayout(canvas, params, paragraph, y).run();
}

QStringList splitParagraphs(const QString& text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(u'\r', u'\n');
    return normalised.split(u'\n');
}

int layoutText(TextCanvas& canvas, const LayoutParams& params, const QString& text, int y)
{
    for (const QString& paragraph : splitParagraphs(text))
        y = lineLayout(canvas, params, paragraph, y);
    return y;
}

QImage renderInfoText(const QStringList& lines, int width, double pointSize, ColorRef background,
                      const QString& fontName)
{
    if (width < 1)
        return {};
    QImage picture(width, kMaxInfoTextHeight, QImage::Format_RGB32);
    picture.fill(toQColor(background));

    LayoutParams params;
    params.mode = LayoutMode::Info;
    params.width = width;
    params.height = kMaxInfoTextHeight;
    params.fontName = fontName;
    params.fontSize = pointSize;
    params.colour = kBlack;

    int y = 0;
    {
        QPainter painter(&picture);
        PainterCanvas canvas(&painter);
        for (const QString& line : lines) {
            if (y >= kMaxInfoTextHeight)
                break;
            y = lineLayout(canvas, params, line, y);
        }
    }
    return picture.copy(0, 0, width, std::min(y, kMaxInfoTextHeight));
}

} // namespace velunto
