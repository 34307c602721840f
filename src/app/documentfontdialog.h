#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace velunto {

// "Schriftart": chooses the document font among the installed fonts.
class DocumentFontDialog : public QDialog
{
    Q_OBJECT
  public:
    DocumentFontDialog(const QString& current, QWidget* parent = nullptr);

    QString chosenFont() const;
    QListWidget* fontList() const { return m_list; }
    QLabel* preview() const { return m_preview; }

  private:
    void showPreview();

    QListWidget* m_list;
    QLabel* m_preview;
};

} // namespace velunto
