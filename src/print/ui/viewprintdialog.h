#pragma once

#include "print/viewprint.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace velunto {

class Printing;
class Prompter;

// "Ansicht drucken": margins, size and copies for printing the view picture,
// the height following the width (and back) while the aspect ratio is kept.
class ViewPrintDialog : public QDialog
{
    Q_OBJECT
  public:
    ViewPrintDialog(const QImage& picture, Printing& printing, Prompter& prompter,
                    QWidget* parent = nullptr);

    ViewPrintSettings settings() const;

    QDoubleSpinBox* leftField() const { return m_left; }
    QDoubleSpinBox* topField() const { return m_top; }
    QDoubleSpinBox* widthField() const { return m_width; }
    QDoubleSpinBox* heightField() const { return m_height; }
    QSpinBox* copiesField() const { return m_copies; }
    QCheckBox* keepAspectRatio() const { return m_keepRatio; }
    QLabel* printerLabel() const { return m_printer; }

    // "Einrichten...": the system's set-up, then the description anew.
    void setUpPrinter();
    // "Drucken": prints and closes; a failure is shown and the dialog stays.
    void print();

  private:
    void widthEdited();
    void heightEdited();

    QImage m_picture;
    Printing& m_printing;
    Prompter& m_prompter;
    double m_ratio = 1.0; // width ÷ height of the picture
    bool m_coupling = false;
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_width;
    QDoubleSpinBox* m_height;
    QSpinBox* m_copies;
    QCheckBox* m_keepRatio;
    QLabel* m_printer;
};

} // namespace velunto
