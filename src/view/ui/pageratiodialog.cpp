#include "view/ui/pageratiodialog.h"

#include "platform/ui/dialogrunner.h"
#include "view/ui/learningview.h"
#include "platform/ui/dialogbuttons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr int kMaxRatioPart = 100000;

// A ratio that cannot be shown opens at 10 : 7.
PageRatioPresets usable(PageRatioPresets v)
{
    if (v.breite <= 0 || v.hoehe <= 0) {
        v.breite = 10;
        v.hoehe = 7;
    }
    v.art = v.art == 0 ? 0 : 1;
    return v;
}

} // namespace

PageRatioDialog::PageRatioDialog(const HeaderDataTyp& header, const PageRatioPresets& presets,
                                 bool sheetsFillWindow, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Seitenverhältnis des Dokuments"));

    m_sheetsFill = new QCheckBox(QStringLiteral("Neue leere Tafelblätter füllen immer das ganze "
                                                "Fenster"));
    m_sheetsFill->setChecked(sheetsFillWindow);

    auto* tabs = new QTabWidget;
    tabs->addTab(ratioPage(m_document,
                           {header.SeitRatioArt, header.SeitRatioBreite, header.SeitRatioHoehe},
                           nullptr),
                 QStringLiteral("Aktuelles Dokument"));
    tabs->addTab(ratioPage(m_presets, presets, m_sheetsFill),
                 QStringLiteral("Voreinstellung für neue Dokumente"));

    m_transform = new QCheckBox(QStringLiteral("Position von Beschriftungen, Bildern, Infopunkten "
                                               "transformieren"));
    m_transform->setChecked(true);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(m_transform);
    layout->addWidget(buttons);
}

QWidget* PageRatioDialog::ratioPage(RatioControls& c, const PageRatioPresets& given, QWidget* extra)
{
    const PageRatioPresets values = usable(given);
    auto* page = new QWidget;
    c.pictureRatio = new QRadioButton(QStringLiteral("Seitenverhältnis des Basisbildes"));
    c.fixedRatio = new QRadioButton(QStringLiteral("Festes Seitenverhältnis:"));
    c.width = new QSpinBox;
    c.height = new QSpinBox;
    for (QSpinBox* box : {c.width, c.height})
        box->setRange(1, kMaxRatioPart);
    c.width->setValue(values.breite);
    c.height->setValue(values.hoehe);
    (values.art == 1 ? c.fixedRatio : c.pictureRatio)->setChecked(true);

    auto* screen = new QPushButton(QStringLiteral("optimiert für Bildschirm (10:7)"));
    auto* sheet = new QPushButton(QStringLiteral("optimiert für Arbeitsblatt (10:12)"));
    auto preset = [&c](int w, int h) {
        c.fixedRatio->setChecked(true);
        c.width->setValue(w);
        c.height->setValue(h);
    };
    connect(screen, &QPushButton::clicked, page, [preset] { preset(10, 7); });
    connect(sheet, &QPushButton::clicked, page, [preset] { preset(10, 12); });
    auto enable = [&c] {
        c.width->setEnabled(c.fixedRatio->isChecked());
        c.height->setEnabled(c.fixedRatio->isChecked());
    };
    connect(c.fixedRatio, &QRadioButton::toggled, page, enable);
    enable();

    auto* ratio = new QHBoxLayout;
    ratio->addWidget(c.fixedRatio);
    ratio->addWidget(new QLabel(QStringLiteral("Breite:")));
    ratio->addWidget(c.width);
    ratio->addWidget(new QLabel(QStringLiteral("Höhe:")));
    ratio->addWidget(c.height);
    ratio->addStretch();
    auto* presetsRow = new QHBoxLayout;
    presetsRow->addWidget(screen);
    presetsRow->addWidget(sheet);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(c.pictureRatio);
    layout->addLayout(ratio);
    layout->addLayout(presetsRow);
    if (extra)
        layout->addWidget(extra);
    layout->addStretch();
    return page;
}

PageRatioPresets PageRatioDialog::valuesOf(const RatioControls& c)
{
    return {c.fixedRatio->isChecked() ? 1 : 0, c.width->value(), c.height->value()};
}

PageRatioPresets PageRatioDialog::documentRatio() const
{
    return valuesOf(m_document);
}

PageRatioPresets PageRatioDialog::presets() const
{
    return valuesOf(m_presets);
}

bool PageRatioDialog::sheetsFillWindow() const
{
    return m_sheetsFill->isChecked();
}

bool PageRatioDialog::transform() const
{
    return m_transform->isChecked();
}

bool editPageRatio(Document& document, LearningView& view, bool& sheetsFillWindow, QWidget* parent)
{
    PageRatioDialog dialog(document.header, document.pageRatioPresets(), sheetsFillWindow, parent);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    const PageRatioPresets ratio = dialog.documentRatio();
    document.header.SeitRatioArt = ratio.art;
    document.header.SeitRatioBreite = ratio.breite;
    document.header.SeitRatioHoehe = ratio.hoehe;
    document.setPageRatioPresets(dialog.presets());
    sheetsFillWindow = dialog.sheetsFillWindow();
    view.applyPageGeometry(dialog.transform());
    return true;
}

} // namespace velunto
