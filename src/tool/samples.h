#pragma once

#include <QStringList>

#include <functional>
#include <vector>

namespace velunto {

class Document;

// One sample document: its file name and how it is made.
struct SampleDocument
{
    const char* name;
    std::function<void(Document&)> build;
};

// The samples of each content type, in their own files.
void addPuzzleSamples(std::vector<SampleDocument>& samples);
void addClozeSamples(std::vector<SampleDocument>& samples);
void addQuestionSamples(std::vector<SampleDocument>& samples);

// velunto-tool make-samples FOLDER: writes the sample topic documents (the
// folder shipped as data/beispiele) into FOLDER. Their pictures are drawn
// here, so the documents can be made again at any time.
int makeSamplesCommand(const QStringList& args);

} // namespace velunto
