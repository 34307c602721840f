#pragma once

#include "shell/settings.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace velunto {

class Prompter;

// Rows of the dialog: the link fields V1 to V3, then the on-screen keyboard.
constexpr int kLinkRows = 4;
constexpr int kKeyboardRow = 3;

// The first row whose trimmed path is not empty and names no existing file,
// or -1 when every path is usable.
int firstInvalidLinkPath(const std::array<QString, kLinkRows>& paths);
// "Die für Verknüpfungsfeld V1 angegebene Datei ist ungültig." and so on.
QString invalidLinkText(int row);

// "Frei belegbare Verknüpfungsfelder für externe Programme": path, caption
// and tooltip of the three link fields, path and tooltip of the keyboard
// button.
class LinkFieldsDialog : public QDialog
{
    Q_OBJECT
  public:
    LinkFieldsDialog(const std::array<LinkField, 3>& links, const LinkField& keyboard,
                     Prompter& prompter, QWidget* parent = nullptr);

    std::array<LinkField, 3> links() const;
    LinkField keyboard() const;

    QLineEdit* pathEdit(int row) const { return m_path[row]; }
    QLineEdit* captionEdit(int row) const { return m_caption[row]; }
    QLineEdit* tooltipEdit(int row) const { return m_tooltip[row]; }
    void browse(int row);
    void clear(int row);

    // Checks the paths in the order V1, V2, V3, keyboard; the first invalid
    // one is reported and keeps the dialog open.
    void accept() override;

  private:
    LinkField row(int index) const;

    Prompter& m_prompter;
    std::array<QLineEdit*, kLinkRows> m_path{};
    std::array<QLineEdit*, kLinkRows> m_caption{}; // null for the keyboard row
    std::array<QLineEdit*, kLinkRows> m_tooltip{};
};

} // namespace velunto
