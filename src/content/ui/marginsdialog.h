#pragma once

#include <QDialog>

class QLineEdit;

namespace velunto {

class Document;
class Prompter;

// "Ränder" (TRaenderForm): the indent margins of the content layouts, in
// percent of the page width and height. OK checks them and writes them into
// the Document at once; a wrong entry keeps the dialog open with the
// message of its pair.
class MarginsDialog : public QDialog
{
    Q_OBJECT
  public:
    MarginsDialog(Document& document, Prompter& prompter, QWidget* parent = nullptr);

    QLineEdit* leftField() const { return m_left; }
    QLineEdit* topField() const { return m_top; }
    QLineEdit* rightField() const { return m_right; }
    QLineEdit* bottomField() const { return m_bottom; }

    void accept() override;

  private:
    Document& m_document;
    Prompter& m_prompter;
    QLineEdit* m_left;
    QLineEdit* m_top;
    QLineEdit* m_right;
    QLineEdit* m_bottom;
};

} // namespace velunto
