#include "view/ui/transformdialog.h"
#include "platform/ui/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velunto {

namespace {

// The page from (0 | 0) to (10000 | 10000) with the place the transformation
// moves it to.
class PageSketch : public QWidget
{
  public:
    explicit PageSketch(const TransformDialog& dialog) : m_dialog(dialog)
    {
        setMinimumSize(220, 160);
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics metrics = fontMetrics();
        const QString topLeft = QStringLiteral("(0 | 0)");
        const QString bottomRight = QStringLiteral("(10000 | 10000)");
        const QRect page(metrics.horizontalAdvance(topLeft) / 2, metrics.height(),
                         width() - metrics.horizontalAdvance(bottomRight) / 2 -
                             metrics.horizontalAdvance(topLeft) / 2,
                         height() - 2 * metrics.height());
        p.fillRect(page, Qt::white);
        p.setPen(Qt::black);
        p.drawRect(page.adjusted(0, 0, -1, -1));
        p.drawText(QPoint(0, metrics.ascent()), topLeft);
        p.drawText(
            QPoint(width() - metrics.horizontalAdvance(bottomRight), height() - metrics.descent()),
            bottomRight);

        const Transformation t = m_dialog.transformation();
        const auto map = [&](double x, double y) {
            return QPointF(page.left() + (t.fx * x + t.ox / double(kPositionUnits)) * page.width(),
                           page.top() + (t.fy * y + t.oy / double(kPositionUnits)) * page.height());
        };
        p.setPen(QPen(QColor(0xFF, 0x80, 0x00), 1, Qt::DashLine));
        p.setClipRect(rect());
        p.drawRect(QRectF(map(0.0, 0.0), map(1.0, 1.0)).normalized());
    }

  private:
    const TransformDialog& m_dialog;
};

QDoubleSpinBox* factorBox()
{
    auto* box = new QDoubleSpinBox;
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    box->setDecimals(3);
    box->setRange(-100.0, 100.0);
    box->setSingleStep(0.1);
    box->setValue(1.0);
    return box;
}

QSpinBox* offsetBox()
{
    auto* box = new QSpinBox;
    box->setRange(-kPositionUnits, kPositionUnits);
    box->setSingleStep(100);
    box->setValue(0);
    return box;
}

} // namespace

TransformDialog::TransformDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Beschriftungen/Infopunkte transformieren"));
    m_fx = factorBox();
    m_fy = factorBox();
    m_ox = offsetBox();
    m_oy = offsetBox();

    auto* group = new QGroupBox(QStringLiteral(" Transformation"));
    auto* grid = new QGridLayout(group);
    auto* note = new QLabel(
        QStringLiteral("Hiermit können alle Beschriftungen und Infopunkte als ganzes bzgl. des "
                       "Basisbildes skaliert und verschoben werden."));
    note->setWordWrap(true);
    grid->addWidget(note, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("x :=")), 1, 0);
    grid->addWidget(m_fx, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("× x +")), 1, 2);
    grid->addWidget(m_ox, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("y :=")), 2, 0);
    grid->addWidget(m_fy, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("× y +")), 2, 2);
    grid->addWidget(m_oy, 2, 3);
    auto* sketch = new PageSketch(*this);
    grid->addWidget(sketch, 3, 0, 1, 4);
    for (QDoubleSpinBox* box : {m_fx, m_fy})
        connect(box, &QDoubleSpinBox::valueChanged, sketch, qOverload<>(&QWidget::update));
    for (QSpinBox* box : {m_ox, m_oy})
        connect(box, &QSpinBox::valueChanged, sketch, qOverload<>(&QWidget::update));

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

Transformation TransformDialog::transformation() const
{
    return {m_fx->value(), m_fy->value(), m_ox->value(), m_oy->value()};
}

} // namespace velunto
