#pragma once

#include <QColor>
#include <QRgb>

namespace velunto {

// Colours are held as in the files: 0x00BBGGRR (0x0000FF is red).
using ColorRef = int;

inline int refRed(ColorRef c) { return c & 0xFF; }
inline int refGreen(ColorRef c) { return (c >> 8) & 0xFF; }
inline int refBlue(ColorRef c) { return (c >> 16) & 0xFF; }

inline QColor toQColor(ColorRef c, int alpha = 255)
{
    return QColor(refRed(c), refGreen(c), refBlue(c), alpha);
}

inline QRgb toQRgb(ColorRef c) { return qRgb(refRed(c), refGreen(c), refBlue(c)); }

inline ColorRef fromRgb(int r, int g, int b)
{
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

inline ColorRef fromQColor(const QColor& c) { return fromRgb(c.red(), c.green(), c.blue()); }

inline ColorRef fromQRgb(QRgb c) { return fromRgb(qRed(c), qGreen(c), qBlue(c)); }

} // namespace velunto
