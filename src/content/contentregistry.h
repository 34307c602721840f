#pragma once

#include "view/drawcontext.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace velunto {

class Document;

// How a content type plugs into the program: everything that depends on the
// document type, registered once (builtintypes.cpp) under its DokTyp and,
// where the sub-types differ, its DokUnterTyp. The editors of the types are
// registered from the windows' side (content/ui/editorregistry.h).
struct ContentType
{
    static constexpr int kEverySubType = -1;

    int dokTyp = DokTyp::Free;
    int dokUnterTyp = kEverySubType;

    // The builder: with create it deletes the objects of its own generated
    // kinds and appends fresh ones (Document::addGeneratedObject); without,
    // it only places and refreshes the existing ones. Runs after a load,
    // after deleting all authored objects, after a page-geometry change and
    // after the type's editor, always inside one change notification.
    std::function<void(Document&, bool create)> build{};
    // The generated kinds the builder owns (the kind table names the same
    // owner for each).
    std::vector<int> ownedKinds{};
    // The painters of its kinds.
    std::map<int, KindPainterFn> painters{};
    // What it paints at the stages of the page composition; it only paints.
    ComposeStageFn composeStage{};
    // The kinds an exercise asks in the query modes 0 to 2, and in text entry
    // (query mode 3).
    std::vector<int> askedKinds{};
    std::vector<int> textEntryKinds{};
    // Text entry: the field the typing moves on to once the field filled
    // holds as many characters as its answer (object indices; previous is
    // the field filled before it, -1 for none). -1, or no function, leaves
    // the focus where it is.
    std::function<int(const Document&, int filled, int previous)> nextTypedField{};
    // The page shows one question at a time (single and multiple-choice
    // questions): the navigation buttons and keys step CurrentQuestion.
    bool pagesThroughQuestions = false;
    // The type's part of a worksheet, drawn into area; empty until the
    // worksheets need it.
    std::function<void(DrawContext&, const QRect& area)> worksheetBody{};

    bool matches(int typ, int unterTyp) const
    {
        return typ == dokTyp && (dokUnterTyp == kEverySubType || unterTyp == dokUnterTyp);
    }
};

class ContentRegistry
{
  public:
    // Registers type; an entry with the same DokTyp and DokUnterTyp is
    // replaced.
    void add(ContentType type);
    // Removes the entry registered under exactly these keys.
    void remove(int dokTyp, int dokUnterTyp);

    // The entry for a document type: the one for its sub-type when there is
    // one, else the one for every sub-type; nullptr when none.
    const ContentType* find(int dokTyp, int dokUnterTyp) const;
    const ContentType* findExactly(int dokTyp, int dokUnterTyp) const;
    // The painter that a registered type gives a kind (the latest
    // registration when several do); empty when none.
    KindPainterFn painterFor(int kind) const;

    const std::vector<ContentType>& types() const { return m_types; }

  private:
    std::vector<ContentType> m_types;
};

// The program's registry, with the built-in types registered at its first
// use (velunto, velunto-tool, tests and benchmarks alike).
ContentRegistry& contentRegistry();

// The objects an exercise asks in document, in index order: those of the
// kinds its type asks in the query modes 0 to 2, or with textEntry those it
// asks to be typed.
std::vector<int> askedObjects(const Document& document, bool textEntry = false);

// Registers a type in the program's registry for its own lifetime and puts
// back what it replaced: a test's own type.
class ScopedContentType
{
  public:
    explicit ScopedContentType(ContentType type);
    ~ScopedContentType();
    ScopedContentType(const ScopedContentType&) = delete;
    ScopedContentType& operator=(const ScopedContentType&) = delete;

  private:
    int m_dokTyp;
    int m_dokUnterTyp;
    std::optional<ContentType> m_replaced;
};

} // namespace velunto
