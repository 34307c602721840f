#include "content/cloze/ui/gapgeneratordialogs.h"

#include "platform/ui/dialogbuttons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velunto {

namespace {

constexpr int kMaxCount = 20;

CTestSettings& rememberedCTest()
{
    static CTestSettings settings;
    return settings;
}

AutoGapSettings& rememberedAutoGaps()
{
    static AutoGapSettings settings;
    return settings;
}

QComboBox* countList(int selected)
{
    auto* list = new QComboBox;
    for (int i = 1; i <= kMaxCount; ++i)
        list->addItem(QString::number(i), i);
    list->setCurrentIndex(std::clamp(selected, 1, kMaxCount) - 1);
    return list;
}

// The two groups both dialogs end with.
QWidget* punctuationGroup(const PunctuationAndRange& s, QRadioButton*& apart, QRadioButton*& part,
                          QLineEdit*& characters)
{
    auto* group = new QGroupBox(QStringLiteral(" Satzzeichen "));
    apart = new QRadioButton(QStringLiteral(" nicht Bestandteil des Wortes bzw. der Lücke:"));
    part = new QRadioButton(QStringLiteral(" Bestandteil des Wortes bzw. der Lücke"));
    characters = new QLineEdit(s.punctuation);
    (s.punctuationApart ? apart : part)->setChecked(true);
    auto* layout = new QGridLayout(group);
    layout->addWidget(apart, 0, 0);
    layout->addWidget(characters, 0, 1);
    layout->addWidget(part, 1, 0, 1, 2);
    return group;
}

QWidget* rangeGroup(const PunctuationAndRange& s, QRadioButton*& whole, QRadioButton*& selection)
{
    auto* group = new QGroupBox(QStringLiteral(" Anwenden auf Textbereich "));
    whole = new QRadioButton(QStringLiteral(" gesamter Text "));
    selection = new QRadioButton(QStringLiteral(" nur markierter Text "));
    (s.selectionOnly ? selection : whole)->setChecked(true);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(whole);
    layout->addWidget(selection);
    return group;
}

PunctuationAndRange commonOf(const QRadioButton* apart, const QLineEdit* characters,
                             const QRadioButton* selection)
{
    return {apart->isChecked(), characters->text(), selection->isChecked()};
}

} // namespace

int CTestSettings::maxGapCount() const
{
    bool ok = false;
    const int n = maxGaps.trimmed().toInt(&ok);
    return ok ? std::max(0, n) : 0;
}

CTestDialog::CTestDialog(QWidget* parent) : QDialog(parent), m_maxGaps(new QComboBox)
{
    setWindowTitle(QStringLiteral("Lücken für C-Test automatisch setzen"));
    const CTestSettings& s = rememberedCTest();
    m_maxGaps->setEditable(true);
    for (int i = 1; i <= 50; ++i)
        m_maxGaps->addItem(QString::number(i));
    for (int i = 60; i <= 400; i += 10)
        m_maxGaps->addItem(QString::number(i));
    m_maxGaps->setCurrentText(s.maxGaps);

    auto* rule = new QLabel(QStringLiteral(
        "Ab dem zweiten Satz wird bei jedem zweiten Wort (ab zwei Buchstaben) die hintere "
        "Worthälfte als Lücke definiert (bei ungerader Buchstabenanzahl ein Buchstabe mehr). "));
    rule->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Maximale Lückenanzahl:"), m_maxGaps);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rule);
    layout->addLayout(form);
    layout->addWidget(punctuationGroup(s.common, m_apart, m_part, m_punctuation));
    layout->addWidget(rangeGroup(s.common, m_whole, m_selectionOnly));
    layout->addWidget(okCancelButtons(this));
}

CTestSettings CTestDialog::settings() const
{
    return {m_maxGaps->currentText(), commonOf(m_apart, m_punctuation, m_selectionOnly)};
}

void CTestDialog::accept()
{
    rememberedCTest() = settings();
    QDialog::accept();
}

AutoGapDialog::AutoGapDialog(QWidget* parent)
    : QDialog(parent), m_start(new QComboBox), m_period(new QComboBox),
      m_wholeWord(new QRadioButton(QStringLiteral(" gesamtes Wort "))),
      m_first(new QRadioButton(QStringLiteral(" nur die ersten"))),
      m_last(new QRadioButton(QStringLiteral(" nur die letzten")))
{
    setWindowTitle(QStringLiteral("Lücken automatisch setzen"));
    const AutoGapSettings& s = rememberedAutoGaps();
    for (int i = 1; i <= kMaxCount; ++i) {
        m_start->addItem(QStringLiteral("%1.").arg(i), i);
        m_period->addItem(i == 1 ? QStringLiteral("jedes") : QStringLiteral("jedes %1.").arg(i), i);
    }
    m_start->setCurrentIndex(0);
    m_period->setCurrentIndex(std::clamp(s.period, 1, kMaxCount) - 1);
    m_firstCount = countList(s.firstCount);
    m_lastCount = countList(s.lastCount);
    switch (s.part) {
    case GapWordPart::WholeWord:
        m_wholeWord->setChecked(true);
        break;
    case GapWordPart::FirstLetters:
        m_first->setChecked(true);
        break;
    case GapWordPart::LastLetters:
        m_last->setChecked(true);
        break;
    }
    // Choosing a count also chooses its word part.
    connect(m_firstCount, &QComboBox::activated, m_first, [this] { m_first->setChecked(true); });
    connect(m_lastCount, &QComboBox::activated, m_last, [this] { m_last->setChecked(true); });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Erstes Wort als Lücke:"), m_start);
    form->addRow(QStringLiteral("Danach als Lücke:"), m_period);

    auto* part = new QGroupBox(QStringLiteral(" Wortteil als Lücke "));
    auto* partLayout = new QGridLayout(part);
    partLayout->addWidget(m_wholeWord, 0, 0, 1, 3);
    partLayout->addWidget(m_first, 1, 0);
    partLayout->addWidget(m_firstCount, 1, 1);
    partLayout->addWidget(new QLabel(QStringLiteral("Buchstaben")), 1, 2);
    partLayout->addWidget(m_last, 2, 0);
    partLayout->addWidget(m_lastCount, 2, 1);
    partLayout->addWidget(new QLabel(QStringLiteral("Buchstaben")), 2, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(part);
    layout->addWidget(punctuationGroup(s.common, m_apart, m_part, m_punctuation));
    layout->addWidget(rangeGroup(s.common, m_whole, m_selectionOnly));
    layout->addWidget(okCancelButtons(this));
}

AutoGapSettings AutoGapDialog::settings() const
{
    AutoGapSettings s;
    s.startWord = m_start->currentData().toInt();
    s.period = m_period->currentData().toInt();
    s.part = m_first->isChecked()  ? GapWordPart::FirstLetters
             : m_last->isChecked() ? GapWordPart::LastLetters
                                   : GapWordPart::WholeWord;
    s.firstCount = m_firstCount->currentData().toInt();
    s.lastCount = m_lastCount->currentData().toInt();
    s.common = commonOf(m_apart, m_punctuation, m_selectionOnly);
    return s;
}

void AutoGapDialog::accept()
{
    rememberedAutoGaps() = settings();
    QDialog::accept();
}

} // namespace velunto
