#pragma once

#include "content/cloze/gapgenerators.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace velunto {

// The settings shared by both generator dialogs: the punctuation kept out of
// the gaps and the part of the text the generator runs on.
struct PunctuationAndRange
{
    bool punctuationApart = true; // " nicht Bestandteil des Wortes bzw. der Lücke:"
    QString punctuation = defaultGapPunctuation();
    bool selectionOnly = false; // " nur markierter Text "

    // The set the generators take: with " Bestandteil des Wortes bzw. der
    // Lücke" punctuation belongs to the words, so the set is empty.
    QString effectivePunctuation() const { return punctuationApart ? punctuation : QString(); }
};

struct CTestSettings
{
    QString maxGaps = QStringLiteral("20");
    PunctuationAndRange common;

    // The entry as a number; an entry that is no number makes no gaps.
    int maxGapCount() const;
};

struct AutoGapSettings
{
    int startWord = 1;
    int period = 3;
    GapWordPart part = GapWordPart::WholeWord;
    int firstCount = 3;
    int lastCount = 3;
    PunctuationAndRange common;

    int count() const { return part == GapWordPart::LastLetters ? lastCount : firstCount; }
};

// "Lücken für C-Test automatisch setzen" (TAutoCTestForm). Its settings stay
// from one use to the next while the program runs.
class CTestDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit CTestDialog(QWidget* parent = nullptr);

    CTestSettings settings() const;
    void accept() override;

    QComboBox* maxGapsList() const { return m_maxGaps; }
    QRadioButton* selectionOnlyButton() const { return m_selectionOnly; }

  private:
    QComboBox* m_maxGaps;
    QRadioButton* m_apart;
    QRadioButton* m_part;
    QLineEdit* m_punctuation;
    QRadioButton* m_whole;
    QRadioButton* m_selectionOnly;
};

// "Lücken automatisch setzen" (TAutoLueckeForm). Its settings stay from one
// use to the next while the program runs, except the start word, which is
// "1." at every opening.
class AutoGapDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit AutoGapDialog(QWidget* parent = nullptr);

    AutoGapSettings settings() const;
    void accept() override;

    QComboBox* startList() const { return m_start; }
    QComboBox* periodList() const { return m_period; }
    QComboBox* firstCountList() const { return m_firstCount; }
    QComboBox* lastCountList() const { return m_lastCount; }
    QRadioButton* wholeWordButton() const { return m_wholeWord; }
    QRadioButton* selectionOnlyButton() const { return m_selectionOnly; }

  private:
    QComboBox* m_start;
    QComboBox* m_period;
    QRadioButton* m_wholeWord;
    QRadioButton* m_first;
    QRadioButton* m_last;
    QComboBox* m_firstCount;
    QComboBox* m_lastCount;
    QRadioButton* m_apart;
    QRadioButton* m_part;
    QLineEdit* m_punctuation;
    QRadioButton* m_whole;
    QRadioButton* m_selectionOnly;
};

} // namespace velunto
