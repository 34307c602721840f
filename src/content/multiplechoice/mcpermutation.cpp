#include "content/multiplechoice/mcpermutation.h"

#include "common/random.h"
#include "document/document.h"

namespace velunto {

std::vector<int> mcAnswerPermutation(const Document& document, bool random, RandomSource& source)
{
    const auto& objects = document.objects;
    const int n = document.objectCount();
    std::vector<int> perm(n, -1);
    // A box with its card after it; a box at the very end has no card to move.
    auto isBox = [&](int j) { return objects[j].Typ == ObjectKind::McAnswerBox && j + 1 < n; };

    for (int i = 0; random && i < n; ++i) {
        if (!isBox(i))
            continue;
        const int c = source.below(objects[i].AntwortAnz);
        // The free places of the question in the order the walk meets them;
        // the walk goes round until c places are passed.
        std::vector<int> free;
        for (int step = 1; step <= n; ++step) {
            const int j = (i + step) % n;
            if (isBox(j) && objects[j].FrageNummer == objects[i].FrageNummer && perm[j] == -1)
                free.push_back(j);
        }
        if (free.empty())
            continue;
        const int j = free[c % int(free.size())];
        perm[j] = i;
        perm[j + 1] = i + 1;
    }
    for (int k = 0; k < n; ++k) {
        if (perm[k] == -1)
            perm[k] = k;
    }
    return perm;
}

} // namespace velunto
