#pragma once

#include "document/records.h"

#include <QString>

namespace velunto {

// The margins dialog ("Ränder") shows the indent margins EinrueckRand as
// percentages of the page width and height with one decimal place.

// A fraction as the dialog shows it: "3,5" for 0.035.
QString marginPercentText(double fraction);

// The four entries of the dialog, checked as its OK checks them: top and
// bottom first, then left and right; none may be negative and each pair may
// add up to 60 % at most. "," and "." are both taken as the decimal mark;
// an entry that is no number fails the check of its pair.
struct MarginsCheck
{
    bool ok = false;
    RectD margins; // fractions (left, top, right, bottom) when ok
    QString error;
};
MarginsCheck checkMargins(const QString& left, const QString& top, const QString& right,
                          const QString& bottom);

} // namespace velunto
