#include "exercise/ui/instructionstrip.h"

#include "common/colorref.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kBarColour = 0xD9E1E1;
constexpr int kBarWidth = 3;
constexpr int kFeedbackTop = 100;

} // namespace

InstructionStrip::InstructionStrip(QWidget* parent)
    : QWidget(parent), m_instruction(new QLabel(this)), m_feedback(new QLabel(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    m_instruction->setFont(font);
    m_instruction->setWordWrap(true);
    m_instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instruction->setObjectName(QStringLiteral("anweisung"));
    m_feedback->setWordWrap(true);
    m_feedback->setAlignment(Qt::AlignCenter);
    m_feedback->setObjectName(QStringLiteral("rueckmeldung"));
    m_feedback->hide();
}

void InstructionStrip::setInstruction(const QString& text)
{
    m_instruction->setText(text);
    place();
}

QString InstructionStrip::instruction() const
{
    return m_instruction->text();
}

QString InstructionStrip::feedbackText() const
{
    return m_feedback->isVisible() ? m_feedback->text() : QString();
}

void InstructionStrip::setFeedback(const Feedback& f, const FeedbackSettings& labels)
{
    if (f.ticks) {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(12);
        font.setBold(true);
        m_feedback->setFont(font);
        m_feedback->setStyleSheet(QStringLiteral("color: #000000;"));
        m_feedback->setText(labels.McRightTicksLabel + QLatin1Char(' ') + QString::number(f.right) +
                            QStringLiteral("\n") + labels.McWrongTicksLabel + QLatin1Char(' ') +
                            QString::number(f.wrong) + QStringLiteral("\n") +
                            labels.McMissingTicksLabel + QLatin1Char(' ') +
                            QString::number(f.missing));
        m_feedback->show();
    } else if (!f.text.isEmpty()) {
        // The text is scaled to the strip: short texts are large.
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        const int room = std::max(20, width() - kBarWidth - 8);
        int size = 28;
        for (; size > 9; --size) {
            font.setPointSize(size);
            if (QFontMetrics(font).horizontalAdvance(f.text) <= room)
                break;
        }
        font.setPointSize(size);
        m_feedback->setFont(font);
        m_feedback->setStyleSheet(QStringLiteral("color: %1;").arg(toQColor(f.colour).name()));
        m_feedback->setText(f.text);
        m_feedback->show();
    } else {
        m_feedback->clear();
        m_feedback->hide();
    }
    place();
}

void InstructionStrip::place()
{
    const int w = std::max(1, width() - kBarWidth - 6);
    m_instruction->setGeometry(kBarWidth + 4, 4, w, std::min(kFeedbackTop - 8, height()));
    m_feedback->setGeometry(kBarWidth, kFeedbackTop, std::max(1, width() - kBarWidth),
                            std::max(1, m_feedback->heightForWidth(width() - kBarWidth)));
}

void InstructionStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void InstructionStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(QRect(0, 0, kBarWidth, height()), toQColor(kBarColour));
}

} // namespace velunto
