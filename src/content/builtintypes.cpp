#include "content/builtintypes.h"

#include "content/cloze/clozetype.h"
#include "content/cluster/clustertype.h"
#include "content/contentregistry.h"
#include "content/crossassign/pairtype.h"
#include "content/crossword/crosswordtype.h"
#include "content/free/freecontent.h"
#include "content/multiplechoice/multiplechoicecontent.h"
#include "content/questions/singlequestionscontent.h"

namespace velunto {

void registerBuiltinTypes(ContentRegistry& r)
{
    r.add(freeContentType());
    r.add(clozeContentType());
    r.add(singleQuestionsContentType());
    r.add(multipleChoiceContentType());
    r.add(clusterContentType());
    r.add(pairContentType());
    r.add(crosswordContentType());
}

} // namespace velunto
