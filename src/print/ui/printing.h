#pragma once

#include <QPrinter>
#include <QString>

#include <memory>

class QWidget;

namespace velunto {

// The program's printer, kept from job to job, and the system's dialogs
// around it. Tests use PdfPrinting, which prints into a PDF file and answers
// the dialogs itself.
class Printing
{
  public:
    Printing();
    virtual ~Printing() = default;

    // Every print routine draws from the sheet's corner (full-page mode).
    QPrinter& printer() { return *m_printer; }

    // The print dialog before a job; false when cancelled.
    virtual bool printDialog(QWidget* parent) = 0;
    // The system's printer set-up ("D&ruckereinrichtung...", "Einrichten...").
    virtual bool setupDialog(QWidget* parent) = 0;

    // Shown in every print dialog: printer name + " an " + its location,
    // "PDF-Datei an " + the file for PDF output, "- Kein Drucker -" when no
    // printer is set up.
    QString description() const;

  protected:
    std::unique_ptr<QPrinter> m_printer;
};

// The system's print dialogs.
class DialogPrinting : public Printing
{
  public:
    bool printDialog(QWidget* parent) override;
    bool setupDialog(QWidget* parent) override;
};

// Prints into a PDF file; the dialogs answer with accept.
class PdfPrinting : public Printing
{
  public:
    explicit PdfPrinting(const QString& pdfPath);
    bool accept = true;
    int dialogs = 0;

    bool printDialog(QWidget*) override
    {
        ++dialogs;
        return accept;
    }
    bool setupDialog(QWidget*) override
    {
        ++dialogs;
        return accept;
    }
};

} // namespace velunto
