#include "view/kindsets.h"

#include <algorithm>
#include <initializer_list>

namespace velunto {

namespace {

bool among(int kind, std::initializer_list<int> kinds)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace

bool isFixedKind(int kind)
{
    return among(kind, {1, 2, 4, 5, 7, 8, 28, 29, 31, 33, 40, 42, 50, 52});
}

bool isQueryKind(int kind)
{
    return among(kind, {0, 3, 6, 32, 34, 41, 43, 51, 53, 60});
}

bool isCoverableKind(int kind)
{
    return among(kind, {0, 3, 6, 10, 24, 32, 34, 41, 43, 51, 53, 60});
}

bool drawsCoveredBox(int kind)
{
    return among(kind, {0, 3, 6, 10, 24, 32, 34, 60});
}

bool isNumberedKind(int kind)
{
    return among(kind, {0, 3, 6, 32, 34, 41, 43, 51, 53, 60});
}

bool isOrderListKind(int kind)
{
    return among(kind, {0, 3, 6, 20, 21, 32, 34, 41, 43, 51, 53, 60});
}

bool isClickableKind(int kind)
{
    return among(kind, {0, 2, 3, 4, 5, 6, 8, 32, 33, 34, 41, 43, 51, 53, 60}) ||
           (kind >= 12 && kind <= 16);
}

bool isClickableForCurrentQuestion(int kind)
{
    return among(kind, {10, 24, 28, 29});
}

bool isEditorClickableKind(int kind)
{
    return among(kind, {0, 1, 2, 4, 5, 6, 7, 8, 60});
}

} // namespace velunto
