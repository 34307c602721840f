#pragma once

#include <QStringList>

namespace velunto {

// velunto-tool previews FOLDER [--height H]: writes the preview pictures of
// every document of FOLDER into FOLDER/vorschaubilder/, several documents at
// once. Returns the exit status; problems are reported on standard error.
int previewsCommand(const QStringList& args);

} // namespace velunto
