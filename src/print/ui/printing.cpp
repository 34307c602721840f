#include "print/ui/printing.h"
#include "platform/ui/dialogrunner.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace velunto {

Printing::Printing() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setFullPage(true);
}

QString Printing::description() const
{
    if (m_printer->outputFormat() == QPrinter::PdfFormat) {
        if (m_printer->outputFileName().isEmpty())
            return QStringLiteral("- Kein Drucker -");
        return QStringLiteral("PDF-Datei an ") + QFileInfo(m_printer->outputFileName()).fileName();
    }
    const QString name = m_printer->printerName();
    if (name.isEmpty())
        return QStringLiteral("- Kein Drucker -");
    const QString location = QPrinterInfo::printerInfo(name).location();
    return location.isEmpty() ? name : name + QStringLiteral(" an ") + location;
}

bool DialogPrinting::printDialog(QWidget* parent)
{
    QPrintDialog dialog(m_printer.get(), parent);
    const bool accepted = runDialog(dialog) == QDialog::Accepted;
    m_printer->setFullPage(true);
    return accepted;
}

bool DialogPrinting::setupDialog(QWidget* parent)
{
    // Without a printer of the system only the print dialog offers the
    // choice of a PDF file.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return printDialog(parent);
    QPageSetupDialog dialog(m_printer.get(), parent);
    const bool accepted = runDialog(dialog) == QDialog::Accepted;
    m_printer->setFullPage(true);
    return accepted;
}

PdfPrinting::PdfPrinting(const QString& pdfPath)
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setFullPage(true);
}

} // namespace velunto
