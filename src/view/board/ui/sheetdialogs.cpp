#include "view/board/ui/sheetdialogs.h"

#include "platform/prompter.h"
#include "platform/ui/dialogbuttons.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace velunto {

namespace {

QLineEdit* digitsField(int value)
{
    auto* field = new QLineEdit(QString::number(value));
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), field));
    field->setMaximumWidth(80);
    return field;
}

// Margins in percent may carry a decimal comma or point.
QLineEdit* percentField(double value)
{
    auto* field = new QLineEdit(QLocale(QLocale::German).toString(value, 'g', 6));
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,3}([.,]\\d{0,3})?")), field));
    field->setMaximumWidth(60);
    return field;
}

int digitsOf(const QLineEdit* field)
{
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok ? value : 0;
}

double percentOf(const QLineEdit* field)
{
    QString text = field->text();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}

// "+" and "-" beside a count field.
QHBoxLayout* stepper(QLineEdit* field)
{
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    for (const int step : {1, -1}) {
        auto* button = new QPushButton(step > 0 ? QStringLiteral("+") : QStringLiteral("-"));
        button->setMaximumWidth(30);
        QObject::connect(button, &QPushButton::clicked, field, [field, step] {
            field->setText(QString::number(std::clamp(digitsOf(field) + step, 1, 200)));
        });
        row->addWidget(button);
    }
    row->addStretch();
    return row;
}

void showColour(QPushButton* button, ColorRef colour)
{
    QPixmap swatch(40, 14);
    swatch.fill(toQColor(colour));
    button->setIcon(swatch);
    button->setIconSize(swatch.size());
}

// A button that shows the colour held in target and lets the colour dialog
// change it.
QPushButton* colourButton(QDialog* dialog, ColorRef& target, const QString& title,
                          Prompter& prompter)
{
    auto* button = new QPushButton(dialog);
    button->setMinimumWidth(60);
    showColour(button, target);
    QObject::connect(button, &QPushButton::clicked, dialog, [button, &target, title, &prompter] {
        if (const auto chosen = prompter.chooseColour(title, target)) {
            target = *chosen;
            showColour(button, target);
        }
    });
    return button;
}

} // namespace

SheetCountDialog::SheetCountDialog(SheetKind kind, int count, ColorRef lineColour,
                                   ColorRef background, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_kind(kind), m_line(lineColour), m_background(background)
{
    setWindowTitle(freeSheetDialogTitle(kind));
    m_count = digitsField(count);

    auto* group = new QGroupBox(QStringLiteral("Freie Eingabe"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("&Anzahl:"), m_count);
    form->addRow(QStringLiteral("&Linienfarbe:"),
                 colourButton(this, m_line, QStringLiteral("Linienfarbe"), prompter));
    form->addRow(QStringLiteral("&Hintergrundfarbe:"),
                 colourButton(this, m_background, QStringLiteral("Hintergrundfarbe"), prompter));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(okCancelButtons(this));
}

int SheetCountDialog::count() const
{
    return clampSheetCount(m_kind, digitsOf(m_count));
}

TableSheetDialog::TableSheetDialog(const TableLayout& table, ColorRef lineColour,
                                   ColorRef background, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_line(lineColour), m_background(background)
{
    setWindowTitle(freeSheetDialogTitle(SheetKind::Table));
    m_rows = digitsField(table.rows);
    m_columns = digitsField(table.columns);

    auto* group = new QGroupBox(QStringLiteral(" &Tabellengröße und -farbe "));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("&Zeilen:"), stepper(m_rows));
    form->addRow(QStringLiteral("&Spalten:"), stepper(m_columns));
    form->addRow(QStringLiteral("&Linienfarbe:"),
                 colourButton(this, m_line, QStringLiteral("Linienfarbe"), prompter));
    form->addRow(QStringLiteral("&Hintergrundfarbe:"),
                 colourButton(this, m_background, QStringLiteral("Hintergrundfarbe"), prompter));

    m_left = percentField(table.left);
    m_right = percentField(table.right);
    m_top = percentField(table.top);
    m_bottom = percentField(table.bottom);
    m_margins = new QWidget;
    auto* margins = new QFormLayout(m_margins);
    margins->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Links:", m_left}, {"Rechts:", m_right}, {"Oben:", m_top}, {"Unten:", m_bottom}};
    for (const auto& [caption, field] : rows) {
        auto* row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(new QLabel(QStringLiteral("%")));
        row->addStretch();
        margins->addRow(QString::fromUtf8(caption), row);
    }
    // The switch only shows or hides the fields; the margins count either way.
    m_showMargins = new QCheckBox(QStringLiteral("&Freiraum um die Tabelle einstellen"));
    m_margins->setVisible(false);
    connect(m_showMargins, &QCheckBox::toggled, m_margins, &QWidget::setVisible);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_showMargins);
    layout->addWidget(m_margins);
    layout->addWidget(okCancelButtons(this));
}

TableLayout TableSheetDialog::table() const
{
    return clampTable({digitsOf(m_rows), digitsOf(m_columns), percentOf(m_left),
                       percentOf(m_right), percentOf(m_top), percentOf(m_bottom)});
}

} // namespace velunto
