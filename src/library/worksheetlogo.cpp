#include "library/worksheetlogo.h"

#include "document/document.h"
#include "document/documentfile.h"

namespace velunto {

void applyWorksheetLogo(HeaderDataTyp& header, const WorksheetLogo& logo)
{
    header.ABLogo = logo.ABLogo;
    header.LogoGroesse = logo.LogoGroesse;
    header.LogoAusricht = logo.LogoAusricht;
    header.Fusszeile = logo.Fusszeile;
    header.FusszeileAusricht = logo.FusszeileAusricht;
}

BatchOutcome applyWorksheetLogoToFile(const QString& path, const WorksheetLogo& logo,
                                      const QString& fontName)
{
    Document document;
    document.setFontName(fontName);
    const LoadResult loaded = loadDocument(document, path);
    if (!loaded.ok)
        return {path, BatchOutcome::Kind::Failed, loaded.messages};
    applyWorksheetLogo(document.header, logo);
    const SaveResult saved = saveDocument(document, path);
    if (!saved.ok)
        return {path, BatchOutcome::Kind::Failed, saved.messages};
    return {path, BatchOutcome::Kind::Done, {}};
}

DocumentTask worksheetLogoTask(const WorksheetLogo& logo, const QString& fontName)
{
    return [logo, fontName](const QString& path) {
        return applyWorksheetLogoToFile(path, logo, fontName);
    };
}

QString worksheetLogoQuestion(const QString& folder)
{
    return QStringLiteral("Achtung: Hiermit werden Logo und Fußzeile des Arbeitsblattes für alle "
                          "Velunto-Dokumente innerhalb des Ordners \r\n") +
           folder + QStringLiteral("\r\n") +
           QStringLiteral("ersetzt. Möchten Sie wirklich fortfahren und das aktuelle Logo und die "
                          "aktuelle Fußzeile für alle Dokumente des Ordners übernehmen?");
}

} // namespace velunto
