#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;

namespace velunto {

class Document;
class LearningView;
class Prompter;

// "Basisbild - Größe, Ausrichtung, Deckkraft": the BaseImage's size on the
// page (BildGroesse), its alignment (BildPosX, BildPosY), the colour of the
// margin zone (HtgdCol) and the BaseImage's opacity (BasisbildDeck).
class BaseImageDialog : public QDialog
{
    Q_OBJECT

  public:
    // The colour of the margin zone is chosen through prompter.
    BaseImageDialog(const HeaderDataTyp& header, Prompter& prompter, QWidget* parent = nullptr);

    // Writes the dialog's values into the header.
    void applyTo(HeaderDataTyp& header) const;
    bool transform() const;

    QDoubleSpinBox* sizeBox() { return m_size; }
    QDoubleSpinBox* horizontalBox() { return m_posX; }
    QDoubleSpinBox* verticalBox() { return m_posY; }
    QComboBox* opacityBox() { return m_opacity; }
    QCheckBox* transformBox() { return m_transform; }
    QPushButton* colourButton() { return m_colourButton; }

  private:
    void setColour(ColorRef colour);

    QDoubleSpinBox* m_size = nullptr;
    QDoubleSpinBox* m_posX = nullptr;
    QDoubleSpinBox* m_posY = nullptr;
    QComboBox* m_opacity = nullptr;
    QPushButton* m_colourButton = nullptr;
    QCheckBox* m_transform = nullptr;
    ColorRef m_colour = 0xFFFFFF;
};

// Shows the dialog; OK writes the values and gives the page its new geometry
// (the view redraws). Returns false when cancelled.
bool editBaseImage(Document& document, LearningView& view, Prompter& prompter, QWidget* parent);

} // namespace velunto
