#include "exercise/askedkinds.h"

#include "content/contentregistry.h"

#include <algorithm>

namespace velunto {

bool AskedKinds::asks(int kind) const
{
    return std::find(choice.begin(), choice.end(), kind) != choice.end();
}

bool AskedKinds::typesInto(int kind) const
{
    return std::find(textEntry.begin(), textEntry.end(), kind) != textEntry.end();
}

AskedKinds builtInAskedKinds(int dokTyp, int dokUnterTyp)
{
    const ContentType* type = contentRegistry().find(dokTyp, dokUnterTyp);
    if (type == nullptr)
        return {};
    return {type->askedKinds, type->textEntryKinds};
}

} // namespace velunto
