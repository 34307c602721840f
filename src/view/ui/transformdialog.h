#pragma once

#include "view/objecteditor.h"

#include <QDialog>

class QDoubleSpinBox;
class QSpinBox;

namespace velunto {

// "Beschriftungen/Infopunkte transformieren": factors and offsets that move
// all labels and info points at once, x := fx x + ox and y := fy y + oy, over
// a sketch of the page.
class TransformDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit TransformDialog(QWidget* parent = nullptr);

    Transformation transformation() const;

    QDoubleSpinBox* factorX() const { return m_fx; }
    QDoubleSpinBox* factorY() const { return m_fy; }
    QSpinBox* offsetX() const { return m_ox; }
    QSpinBox* offsetY() const { return m_oy; }

  private:
    QDoubleSpinBox* m_fx = nullptr;
    QDoubleSpinBox* m_fy = nullptr;
    QSpinBox* m_ox = nullptr;
    QSpinBox* m_oy = nullptr;
};

} // namespace velunto
