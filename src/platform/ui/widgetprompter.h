#pragma once

#include "platform/prompter.h"

class QWidget;

namespace velunto {

// The Prompter of the running program: modal message boxes with German
// buttons and the desktop's file and folder dialogs, all parented to the
// window given.
class WidgetPrompter : public Prompter
{
  public:
    explicit WidgetPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(Kind kind, const QString& text, Buttons buttons) override;
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> saveFile(const FileRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> askPassword(const QString& text) override;
    std::optional<ColorRef> chooseColour(const QString& title, ColorRef initial) override;

  private:
    QWidget* m_parent;
};

// "\r\n" (and a lone "\r") as the "\n" that widgets break lines at.
QString displayText(const QString& text);

// A filter as Qt's file dialogs read it: "Alle Dateien (*.*)" also matches
// names without a dot.
QString dialogFilter(const QString& filter);

} // namespace velunto
