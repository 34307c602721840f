#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velunto {

class FolderBatch;

// A small window that shows one message while the program works; "|" in the
// message starts a new line.
class StatusWindow : public QDialog
{
    Q_OBJECT
  public:
    explicit StatusWindow(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    QString message() const;
    // Shows the button "Abbrechen", which emits cancelRequested.
    void setCancellable(bool on);

  Q_SIGNALS:
    void cancelRequested();

  protected:
    void reject() override; // Escape cancels like the button, never just closes

  private:
    QLabel* m_label;
    QPushButton* m_cancel;
};

// Runs batch while a status window shows what + the number of the document
// under way; the user can cancel it. Input to the other windows waits until
// the batch is over.
void runWithStatus(FolderBatch& batch, const QString& what, QWidget* parent);

} // namespace velunto
