#include "print/ui/viewprintdialog.h"

#include "platform/prompter.h"
#include "print/ui/printing.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velunto {

namespace {

QDoubleSpinBox* centimetres(double value)
{
    auto* box = new QDoubleSpinBox;
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    box->setDecimals(1);
    box->setRange(0.0, 100.0);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" cm"));
    box->setValue(value);
    return box;
}

} // namespace

ViewPrintDialog::ViewPrintDialog(const QImage& picture, Printing& printing, Prompter& prompter,
                                 QWidget* parent)
    : QDialog(parent), m_picture(picture), m_printing(printing), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Ansicht drucken"));
    if (!picture.isNull() && picture.height() > 0)
        m_ratio = double(picture.width()) / picture.height();

    const ViewPrintSettings defaults;
    m_left = centimetres(defaults.left);
    m_top = centimetres(defaults.top);
    m_width = centimetres(defaults.width);
    m_height = centimetres(defaults.height);
    m_copies = new QSpinBox;
    m_copies->setRange(1, 999);
    m_copies->setValue(defaults.copies);
    m_keepRatio = new QCheckBox(QStringLiteral("Korrektes &Seitenverhältnis"));
    m_keepRatio->setChecked(defaults.keepAspectRatio);

    m_printer = new QLabel(m_printing.description());
    auto* setUp = new QPushButton(QStringLiteral("Einrichten..."));
    setUp->setAutoDefault(false);
    connect(setUp, &QPushButton::clicked, this, &ViewPrintDialog::setUpPrinter);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(m_printer, 1);
    printerRow->addWidget(setUp);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Linker Rand:"), m_left);
    form->addRow(QStringLiteral("&Oberer Rand:"), m_top);
    form->addRow(QStringLiteral("&Breite:"), m_width);
    form->addRow(QStringLiteral("&Höhe:"), m_height);
    form->addRow(QStringLiteral("&Kopien:"), m_copies);
    form->addRow(QString(), m_keepRatio);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Drucken"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ViewPrintDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printerRow);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_width, &QDoubleSpinBox::valueChanged, this, &ViewPrintDialog::widthEdited);
    connect(m_height, &QDoubleSpinBox::valueChanged, this, &ViewPrintDialog::heightEdited);
    connect(m_keepRatio, &QCheckBox::toggled, this, &ViewPrintDialog::widthEdited);
    widthEdited();
}

void ViewPrintDialog::widthEdited()
{
    if (m_coupling || !m_keepRatio->isChecked() || m_ratio <= 0)
        return;
    m_coupling = true;
    m_height->setValue(m_width->value() / m_ratio);
    m_coupling = false;
}

void ViewPrintDialog::heightEdited()
{
    if (m_coupling || !m_keepRatio->isChecked())
        return;
    m_coupling = true;
    m_width->setValue(m_height->value() * m_ratio);
    m_coupling = false;
}

ViewPrintSettings ViewPrintDialog::settings() const
{
    ViewPrintSettings s;
    s.left = m_left->value();
    s.top = m_top->value();
    s.width = m_width->value();
    s.height = m_height->value();
    s.copies = m_copies->value();
    s.keepAspectRatio = m_keepRatio->isChecked();
    return s;
}

void ViewPrintDialog::setUpPrinter()
{
    m_printing.setupDialog(this);
    m_printer->setText(m_printing.description());
}

void ViewPrintDialog::print()
{
    const ViewPrintSettings s = settings();
    m_printing.printer().setCopyCount(s.copies);
    m_printing.printer().setDocName(QStringLiteral("Ansicht"));
    const QString failed = printViewPicture(m_printing.printer(), m_picture, s);
    if (!failed.isEmpty()) {
        m_prompter.error(failed);
        return;
    }
    accept();
}

} // namespace velunto
