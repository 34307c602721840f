#pragma once

#include <QDialog>

class QRadioButton;

namespace velunto {

// "Bilder in Dokumenten herunterskalieren": the open document, or every
// document of its folder, saved automatically.
class DownscaleDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit DownscaleDialog(QWidget* parent = nullptr);

    bool wholeFolder() const;
    QRadioButton* folderButton() const { return m_folder; }

  private:
    QRadioButton* m_current;
    QRadioButton* m_folder;
};

} // namespace velunto
