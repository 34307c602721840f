#pragma once

#include <Qt>

namespace velunto {

class Document;
class RandomSource;
class Session;

// Home, End, Left and Right step through the questions of a document that
// shows one question at a time, as its navigation buttons do (through
// Session::stepQuestion, which tells every view). Not while the object
// editor is open, and not with a modifier held. True when the key stepped.
bool stepQuestionByKey(Session& session, const Document& document, int key,
                       Qt::KeyboardModifiers modifiers, RandomSource& random);

} // namespace velunto
