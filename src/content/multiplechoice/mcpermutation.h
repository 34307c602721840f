#pragma once

#include <vector>

namespace velunto {

class Document;
class RandomSource;

// The answer order of a multiple-choice run: entry k is the object at whose
// card position object k is shown. With random, each tick box in object
// order draws a number below its question's answer count and takes, walking
// on from itself cyclically (itself last), the free place of its question
// that the count reaches; its answer card takes the place after that one.
// Everything not moved keeps its own place, so without random the result is
// the identity. Answers never leave their question, and a box and its card
// always move together.
std::vector<int> mcAnswerPermutation(const Document& document, bool random, RandomSource& source);

} // namespace velunto
