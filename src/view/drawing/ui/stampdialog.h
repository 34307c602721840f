#pragma once

#include "shell/settings.h"

#include <QDialog>

#include <array>

class QComboBox;

namespace velunto {

// "Stempelsymbole konfigurieren": a font and a character (codes 1 to 255,
// shown as the stamp will look) for each of the ten stamps.
class StampDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit StampDialog(const StampSettings& stamps, QWidget* parent = nullptr);

    // The ten fonts and characters as chosen.
    StampSettings stamps() const;

    QComboBox* fontBox(int stamp) const { return m_fonts[stamp]; }
    QComboBox* characterBox(int stamp) const { return m_characters[stamp]; }

  private:
    void fillCharacters(int stamp, int code);

    std::array<QComboBox*, kStampCount> m_fonts{};
    std::array<QComboBox*, kStampCount> m_characters{};
};

} // namespace velunto
