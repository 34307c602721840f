#include "exercise/ui/elementwidgets.h"

#include "common/colorref.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

#include <algorithm>

namespace velunto {

namespace {

const QColor kFocusFrame(0x1A, 0x4F, 0xD6);
constexpr int kCaptionPoints = 11;
constexpr int kSmallestCaptionPoints = 7;

// The largest point size from 11 down to 7 at which the caption fits the
// box word-wrapped; 7 when none does.
QFont captionFont(const QString& caption, const QRect& box)
{
    QFont font(QStringLiteral("Arial"));
    for (int size = kCaptionPoints; size >= kSmallestCaptionPoints; --size) {
        font.setPointSize(size);
        const QFontMetrics metrics(font);
        const QRect needed = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            return font;
    }
    return font;
}

} // namespace

// --- ElementPanel --------------------------------------------------------------------

ElementPanel::ElementPanel(int element, const ElementInput& input, QWidget* parent)
    : QWidget(parent), m_element(element), m_input(input)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ElementPanel::show(const Element& e, const QImage& picture)
{
    const bool first = objectName().isEmpty();
    const bool resized = first || e.rect.size() != m_shown.rect.size();
    const bool repaint = resized || e.colour != m_shown.colour || e.caption != m_shown.caption ||
                         e.ticked != m_shown.ticked || picture.cacheKey() != m_picture.cacheKey();
    if (resized || e.caption != m_shown.caption || e.ticked != m_shown.ticked) {
        const QString caption = e.kind == ElementKind::CrossElement
                                    ? (e.ticked ? QStringLiteral("X") : QString())
                                    : e.caption;
        m_font = captionFont(caption, QRect(QPoint(), e.rect.size()).adjusted(4, 3, -4, -3));
    }
    if (resized || picture.cacheKey() != m_picture.cacheKey()) {
        m_picture = picture;
        m_scaled = QImage();
    }
    m_shown = e;
    if (first) {
        setObjectName(e.name());
        setCursor(e.kind == ElementKind::Card ? Qt::SizeAllCursor : Qt::PointingHandCursor);
    }
    if (geometry() != e.rect)
        setGeometry(e.rect);
    setVisible(e.takesPart());
    if (repaint)
        update();
}

void ElementPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(m_shown.colour));
    // A raised one-pixel border.
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    const QRect inner = r.adjusted(4, 3, -4, -3);
    if (m_shown.kind == ElementKind::AnswerBox) {
        const int side = std::min(inner.width(), inner.height());
        const QRect box(inner.center().x() - side / 2, inner.center().y() - side / 2, side, side);
        p.fillRect(box, Qt::white);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        if (m_shown.ticked) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(0x00, 0x80, 0x00), std::max(2, side / 6)));
            p.drawLine(box.left() + side / 5, box.center().y(), box.center().x(),
                       box.bottom() - side / 5);
            p.drawLine(box.center().x(), box.bottom() - side / 5, box.right() - side / 6,
                       box.top() + side / 5);
        }
    } else if (m_shown.picture && !m_picture.isNull()) {
        if (m_scaled.isNull())
            m_scaled =
                m_picture.scaled(inner.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawImage(inner.center() - QPoint(m_scaled.width() / 2, m_scaled.height() / 2), m_scaled);
    } else {
        const QString caption = m_shown.kind == ElementKind::CrossElement
                                    ? (m_shown.ticked ? QStringLiteral("X") : QString())
                                    : m_shown.caption;
        p.setFont(m_font);
        p.setPen(toQColor(kCardTextColour));
        p.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
    if (hasFocus()) {
        p.setPen(QPen(kFocusFrame, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

QPoint ElementPanel::areaPoint(QPointF local) const
{
    return mapToParent(local.toPoint());
}

void ElementPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    if (m_input.pressed)
        m_input.pressed(m_element, areaPoint(event->position()));
}

void ElementPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton) && m_input.moved)
        m_input.moved(areaPoint(event->position()));
}

void ElementPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    if (m_input.released)
        m_input.released();
}

void ElementPanel::keyPressEvent(QKeyEvent* event)
{
    if (m_input.key && m_input.key(m_element, event->key(), event->text()))
        return;
    QWidget::keyPressEvent(event);
}

void ElementPanel::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ElementPanel::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    if (m_input.focusLost)
        m_input.focusLost(m_element);
}

// --- ElementTextBox ------------------------------------------------------------------

ElementTextBox::ElementTextBox(int element, const ElementInput& input, QWidget* parent)
    : QLineEdit(parent), m_element(element), m_input(input)
{
    setMaxLength(kMaxTypedLength);
    setFrame(true);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_input.typed)
            m_input.typed(m_element, text);
    });
}

void ElementTextBox::show(const Element& e, const QString& fontFamily, int characterHeight)
{
    setObjectName(e.name());
    QFont font(fontFamily);
    font.setPixelSize(std::max(6, characterHeight));
    setFont(font);
    setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: 1px solid #808080;"
                                 " padding: 0px; }"
                                 "QLineEdit:focus { border: 2px solid #1a4fd6; }")
                      .arg(toQColor(e.colour).name(), toQColor(kTextBoxTextColour).name()));
    // The hint is a placeholder: it is never the box's text.
    QPalette palette = this->palette();
    palette.setColor(QPalette::PlaceholderText, toQColor(kHintColour));
    setPalette(palette);
    setPlaceholderText(e.hint);
    if (text() != e.typed)
        setText(e.typed);
    // The box is measured for the answer's text alone; the frame and the
    // edit's own margins are added on both sides, so that a typed answer is
    // seen whole instead of scrolled.
    constexpr int kInset = 4;
    setGeometry(e.rect.adjusted(-kInset, 0, kInset, 0));
    setVisible(e.takesPart());
}

void ElementTextBox::keyPressEvent(QKeyEvent* event)
{
    // Enter goes on to the next box, as Tab does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// --- ElementButton -------------------------------------------------------------------

ElementButton::ElementButton(int element, const ElementInput& input, QWidget* parent)
    : QPushButton(parent), m_element(element)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this, &input] {
        if (input.clicked)
            input.clicked(m_element);
    });
}

void ElementButton::keyPressEvent(QKeyEvent* event)
{
    // Outside a dialog a push button takes only Space; Enter checks as well.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ElementButton::show(const Element& e)
{
    setObjectName(e.name());
    setText(e.caption);
    setGeometry(e.rect);
    setVisible(e.takesPart());
}

// --- TargetFrame ---------------------------------------------------------------------

TargetFrame::TargetFrame(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TargetFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(QColor(0xFF, 0x80, 0x00), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace velunto
