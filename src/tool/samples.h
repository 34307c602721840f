#pragma once

#include <QStringList>

namespace velunto {

// velunto-tool make-samples FOLDER: writes the sample topic documents (the
// folder shipped as data/beispiele) into FOLDER. Their pictures are drawn
// here, so the documents can be made again at any time.
int makeSamplesCommand(const QStringList& args);

} // namespace velunto
