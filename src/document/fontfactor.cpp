#include "document/fontfactor.h"

#include "common/numeric.h"
#include "document/textcanvas.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>

#include <mutex>

namespace velunto {

namespace {

struct FactorRow
{
    const char* name;
    double factor;
};

// Line height (ascent + descent) of Arial per 1000 pixels of character height.
constexpr int kArialLineHeight = 1117;

// Known factors. "Times New Roman" was measured by the rule below on Liberation
// Serif, which has its metrics. Verdana (ascent 2059, descent 430 of 2048
// units), Tahoma (2049, 423) and Wingdings (1841, 432) are rarely installed
// here and have no stand-in with their metrics, so their rows hold the rule
// applied to their published metrics: ascent and descent at 1000 pixels, each
// rounded as the font engine rounds them, over 1117. Every other font is
// measured when asked for.
constexpr FactorRow kFactorTable[] = {
    {"Arial", 1.0},
    {"Arial Black", 1.2632},
    {"Arial Narrow", 1.0134},
    {"Book Antiqua", 1.1119},
    {"Cambria Math", 4.9955},
    {"@Arial Unicode MS", 1.1996},
    {"Times New Roman", 0.9910},
    {"Verdana", 1.0877},   // (1005 + 210) / 1117
    {"Tahoma", 1.0806},    // (1000 + 207) / 1117
    {"Wingdings", 0.9937}, // (899 + 211) / 1117
};

double measuredFactor(const QString& fontName)
{
    if (!qGuiApp)
        return 1.0;
    const QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    PainterCanvas canvas(&device);
    TextFont font;
    font.family = fontName; // drawn, and so measured, as the canvas draws it
    font.pixelSize = 1000;
    canvas.setFont(font);
    return canvas.textHeight() / static_cast<double>(kArialLineHeight);
}

} // namespace

double fontHeightFactor(const QString& fontName)
{
    for (const FactorRow& row : kFactorTable) {
        if (fontName.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.factor;
    }
    static std::mutex mutex;
    static QHash<QString, double> measured;
    const QString key = fontName.toLower();
    std::lock_guard lock(mutex);
    auto it = measured.find(key);
    if (it == measured.end())
        it = measured.insert(key, measuredFactor(fontName));
    return it.value();
}

int convertSizeStep(int step, double factor)
{
    return rnd(((2.0 * step + 22.0) * factor - 22.0) / 2.0);
}

int characterHeightForStep(int step, double pageWidth)
{
    return rnd((2.0 * step + 22.0) * pageWidth / 870.0);
}

} // namespace velunto
