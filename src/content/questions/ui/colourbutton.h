#pragma once

#include "common/colorref.h"

#include <QPushButton>

namespace velunto {

class Prompter;

// A button that shows a colour and lets the author choose another through
// the Prompter's colour dialog.
class ColourButton : public QPushButton
{
    Q_OBJECT
  public:
    ColourButton(const QString& caption, ColorRef colour, Prompter& prompter,
                 QWidget* parent = nullptr);

    ColorRef colour() const { return m_colour; }
    void setColour(ColorRef colour);

  Q_SIGNALS:
    void colourChosen(ColorRef colour);

  private:
    void choose();

    Prompter& m_prompter;
    QString m_title;
    ColorRef m_colour;
};

} // namespace velunto
