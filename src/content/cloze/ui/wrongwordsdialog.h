#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace velunto {

// "Falschwörter" (TLueckFalschwoerterForm): the wrong words of a cloze, one
// per line, in one memo.
class WrongWordsDialog : public QDialog
{
    Q_OBJECT
  public:
    WrongWordsDialog(const QString& words, QWidget* parent = nullptr);

    // The words with CR LF line breaks.
    QString words() const;
    QPlainTextEdit* memo() const { return m_memo; }

  private:
    QPlainTextEdit* m_memo;
};

} // namespace velunto
