#pragma once

#include <climits>
#include <cmath>

namespace velunto {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4). Every size and position computation of the program uses it.
// Values beyond the int range saturate and NaN gives 0, so that corrupt input
// can never cause undefined behaviour.
inline int rnd(double x)
{
    if (std::isnan(x))
        return 0;
    const double r = std::nearbyint(x);
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

inline double clampDouble(double v, double lo, double hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace velunto
