#pragma once

#include "shell/settings.h"

#include <QChar>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

namespace velunto {

// One symbol stamp: a character of a font. The defaults use the symbol font
// "Wingdings" (a tick, a cross, a star and three faces), which Linux does not
// have; the symbols of such fonts are drawn by the program itself or taken
// from a font that has the same symbol, so a stamp never shows the box of a
// missing character.
struct StampSymbol
{
    QString font;
    QChar character;
};

// Stamp k (1..10) of the settings; a missing character counts as the
// default one.
StampSymbol stampSymbol(const StampSettings& stamps, int stamp);

// The symbol fonts whose characters the program stands in for when they are
// not installed.
bool isStandInFont(const QString& family);

// The fonts offered in the stamp dialog: the installed ones and the symbol
// fonts the program stands in for, sorted.
QStringList stampFontChoices();

// The line box of a stamp placed at point: centred horizontally on x + 5,
// its top at y + 1 − height div 2, with the height of a line of text of that
// pixel size.
QRect stampRect(const StampSymbol& symbol, QPoint point, int pixelSize);

// Paints a stamp placed at point into picture, opaque in colour; returns the
// rectangle that changed.
QRect paintStamp(QImage& picture, const StampSymbol& symbol, QPoint point, int pixelSize,
                 const QColor& colour);

// Paints the symbol into the line box (its horizontal centre and its top
// given) at a pixel size.
void paintSymbol(QPainter& painter, const StampSymbol& symbol, double centreX, double top,
                 int pixelSize, const QColor& colour);

// The picture of a stamp in the stamp menu: the symbol in black, its line 40
// pixels high, centred at the top of a white 36 × 36 square, scaled down
// smoothly to 18 × 18.
QImage stampMenuPicture(const StampSymbol& symbol);

} // namespace velunto
