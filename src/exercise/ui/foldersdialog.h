#pragma once

#include "shell/settings.h"

#include <QDialog>

#include <array>
#include <variant>

class QLineEdit;

namespace velunto {

class Prompter;

// "Dateiordner": the folders for best lists, protocols, chronicle
// screenshots, exchange downloads and the picture gallery.
class FoldersDialog : public QDialog
{
    Q_OBJECT
  public:
    // The five fields in the dialog's order.
    enum Field { BestLists, Protocols, Chronicle, Exchange, Gallery };

    FoldersDialog(const FolderSettings& folders, Prompter& prompter, QWidget* parent = nullptr);

    // The folders after "OK", each ending with "/".
    const FolderSettings& folders() const { return m_folders; }
    QLineEdit* field(Field f) const { return m_fields[size_t(f)]; }
    // "Durchsuchen..." of a field.
    void browse(Field f);

    void accept() override;

    // OK's check in the order chronicle, protocols, best lists, exchange,
    // gallery: a missing "/" is added; the first entry that is not an
    // existing folder gives its field and message.
    struct Failure
    {
        Field field;
        QString message;
    };
    static std::variant<FolderSettings, Failure> check(std::array<QString, 5>& entries);

  private:
    Prompter& m_prompter;
    FolderSettings m_folders;
    std::array<QLineEdit*, 5> m_fields{};
};

} // namespace velunto
