#pragma once

#include "document/records.h"
#include "library/folderbatch.h"

#include <QString>

namespace velunto {

class Document;

// The worksheet's logo and footer of a document header, as the document
// properties dialog hands them to every document of a folder.
struct WorksheetLogo
{
    Picture ABLogo;
    double LogoGroesse = 0.2;
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;
};

void applyWorksheetLogo(HeaderDataTyp& header, const WorksheetLogo& logo);

// Loads the document at path into a document of its own, gives it the logo
// and footer and saves it to the same file. fontName is the program's
// document font for files that name none.
BatchOutcome applyWorksheetLogoToFile(const QString& path, const WorksheetLogo& logo,
                                      const QString& fontName);
DocumentTask worksheetLogoTask(const WorksheetLogo& logo, const QString& fontName);

// The confirmation before the logo and footer replace those of every
// document of folder.
QString worksheetLogoQuestion(const QString& folder);

} // namespace velunto
