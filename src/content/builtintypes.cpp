#include "content/builtintypes.h"

#include "content/cluster/clustertype.h"
#include "content/contentregistry.h"
#include "content/crossassign/pairtype.h"
#include "content/crossword/crosswordtype.h"
#include "content/free/freecontent.h"
#include "content/multiplechoice/multiplechoicecontent.h"
#include "content/questions/singlequestionscontent.h"

namespace velunto {

namespace {

// A type whose folder is still to come: what an exercise asks of it.
ContentType askedOnly(int dokTyp, std::vector<int> asked, std::vector<int> textEntry = {},
                      bool pagesThroughQuestions = false)
{
    ContentType t;
    t.dokTyp = dokTyp;
    t.askedKinds = std::move(asked);
    t.textEntryKinds = std::move(textEntry);
    t.pagesThroughQuestions = pagesThroughQuestions;
    return t;
}

} // namespace

void registerBuiltinTypes(ContentRegistry& r)
{
    using namespace ObjectKind;
    r.add(freeContentType());
    r.add(askedOnly(DokTyp::Cloze, pageFieldsAsked(), pageFieldsTypedIn()));
    r.add(singleQuestionsContentType());
    r.add(multipleChoiceContentType());
    r.add(clusterContentType());
    r.add(pairContentType());
    r.add(crosswordContentType());
}

} // namespace velunto
