#include "view/ui/baseimagedialog.h"

#include "common/numeric.h"
#include "document/document.h"
#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/learningview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace velunto {

namespace {

constexpr double kMinSize = 5.0;
constexpr double kMaxSize = 500.0;

QDoubleSpinBox* percentBox(double lo, double hi, double value)
{
    auto* box = new QDoubleSpinBox;
    box->setRange(lo, hi);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" %"));
    box->setValue(std::isfinite(value) ? value : (lo + hi) / 2.0);
    return box;
}

} // namespace

BaseImageDialog::BaseImageDialog(const HeaderDataTyp& header, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Basisbild - Größe, Ausrichtung, Deckkraft"));

    m_size = percentBox(kMinSize, kMaxSize, header.BildGroesse);
    auto* larger = new QPushButton(QStringLiteral("+ 5 %"));
    auto* smaller = new QPushButton(QStringLiteral("- 5 %"));
    connect(larger, &QPushButton::clicked, this, [this] { m_size->setValue(m_size->value() + 5); });
    connect(smaller, &QPushButton::clicked, this,
            [this] { m_size->setValue(m_size->value() - 5); });
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_size);
    sizeRow->addWidget(larger);
    sizeRow->addWidget(smaller);

    m_posX = percentBox(0.0, 100.0, header.BildPosX);
    m_posY = percentBox(0.0, 100.0, header.BildPosY);

    m_opacity = new QComboBox;
    m_opacity->addItem(QStringLiteral("transparent"));
    for (int k = 1; k <= 9; ++k)
        m_opacity->addItem(QStringLiteral("%1%").arg(k * 10));
    m_opacity->addItem(QStringLiteral("deckend"));
    m_opacity->setCurrentIndex(std::clamp(rnd(header.BasisbildDeck / 10.0), 0, 10));

    m_colourButton = new QPushButton(QStringLiteral("Farbe..."));
    setColour(header.HtgdCol);
    connect(m_colourButton, &QPushButton::clicked, this, [this, &prompter] {
        if (const auto chosen = prompter.chooseColour(QStringLiteral("Hintergrundfarbe"), m_colour))
            setColour(*chosen);
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Größe (bzgl. Ursprungsbildbreite):"), sizeRow);
    form->addRow(QStringLiteral("Horizontale Ausrichtung (0 links, 50 mittig, 100 rechts):"),
                 m_posX);
    form->addRow(QStringLiteral("Vertikale Ausrichtung (0 oben, 50 mittig, 100 unten):"), m_posY);
    form->addRow(QStringLiteral("Hintergrundfarbe:"), m_colourButton);
    form->addRow(QStringLiteral("Deckkraft des Basisbildes:"), m_opacity);

    m_transform = new QCheckBox(QStringLiteral("Position von Beschriftungen, Bildern, Infopunkten "
                                               "transformieren"));
    m_transform->setChecked(true);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_transform);
    layout->addWidget(buttons);
}

void BaseImageDialog::setColour(ColorRef colour)
{
    m_colour = colour;
    const QColor c = toQColor(colour);
    m_colourButton->setStyleSheet(QStringLiteral("background-color: %1; color: %2")
                                      .arg(c.name(), c.lightness() < 128
                                                         ? QStringLiteral("white")
                                                         : QStringLiteral("black")));
}

void BaseImageDialog::applyTo(HeaderDataTyp& header) const
{
    header.BildGroesse = m_size->value();
    header.BildPosX = m_posX->value();
    header.BildPosY = m_posY->value();
    header.HtgdCol = m_colour;
    header.BasisbildDeck = m_opacity->currentIndex() * 10;
}

bool BaseImageDialog::transform() const
{
    return m_transform->isChecked();
}

bool editBaseImage(Document& document, LearningView& view, Prompter& prompter, QWidget* parent)
{
    BaseImageDialog dialog(document.header, prompter, parent);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    dialog.applyTo(document.header);
    view.applyPageGeometry(dialog.transform());
    return true;
}

} // namespace velunto
