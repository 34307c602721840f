#pragma once

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace velunto {

// "Vorschaubilder generieren": the height of the previews and whether they
// are made of the open document or of every document of its folder.
class PreviewDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit PreviewDialog(QWidget* parent = nullptr);

    int previewHeight() const;
    bool wholeFolder() const;

    QSpinBox* heightBox() const { return m_height; }
    QRadioButton* folderButton() const { return m_folder; }

  private:
    QSpinBox* m_height;
    QRadioButton* m_current;
    QRadioButton* m_folder;
};

} // namespace velunto
