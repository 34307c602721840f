#pragma once

#include <QString>

namespace velunto {

// What the one command-line parameter asks for.
struct StartRequest
{
    enum class Kind { Nothing, Folder, Document, Series };
    Kind kind = Kind::Nothing;
    QString topicRoot; // absolute, ending with "/"; empty: keep the default
    QString file;      // absolute path of the document or series package
};

// An existing folder becomes the topic root. Any other text is a file path:
// its folder becomes the topic root when it exists, and a file name ending in
// ".vlusp" (any case) is a series package, any other a document.
StartRequest interpretCommandLine(const QString& argument);

// The display check of the start: true when the screen is at least 960 x 720
// pixels with at least 15 bits per pixel.
bool displayIsSuitable(int width, int height, int depth);
QString unsuitableDisplayText(int width, int height, int depth);

class Prompter;

// On a real screen that is too small, asks whether to start anyway; false
// when the answer is No. Offscreen and test screens are not checked.
bool checkDisplay(Prompter& prompter);

} // namespace velunto
