#include "document/fontnames.h"

#include <QHash>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <mutex>

namespace velunto {

namespace {

// The installed family that the font configuration draws family with when
// that family is the font itself or one declared metric-compatible with it;
// empty otherwise.
//
// The configuration's substitution adds the metric-compatible families
// with the binding of the requested name, which is strong, and everything
// merely similar (the generic "sans-serif" and its members) with a weak
// binding. The best match counts when it is one of the strongly bound ones.
QString matchingFamily(const QString& family)
{
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr)
        return {};
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);

    QStringList strong;
    FcPatternIter it;
    FcPatternIterStart(pattern, &it);
    while (FcPatternIterIsValid(pattern, &it)) {
        if (qstrcmp(FcPatternIterGetObject(pattern, &it), FC_FAMILY) == 0) {
            for (int i = 0; i < FcPatternIterValueCount(pattern, &it); ++i) {
                FcValue value;
                FcValueBinding binding;
                if (FcPatternIterGetValue(pattern, &it, i, &value, &binding) == FcResultMatch &&
                    value.type == FcTypeString && binding == FcValueBindingStrong)
                    strong << QString::fromUtf8(reinterpret_cast<const char*>(value.u.s));
            }
        }
        if (!FcPatternIterNext(pattern, &it))
            break;
    }

    QString result;
    FcResult outcome = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &outcome)) {
        FcChar8* matched = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &matched) == FcResultMatch; ++i) {
            const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(matched));
            if (strong.contains(candidate, Qt::CaseInsensitive)) {
                result = candidate;
                break;
            }
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return result;
}

// matchingFamily, asked once per name: text layout sets fonts all the time.
QString cachedMatchingFamily(const QString& family)
{
    static std::mutex mutex;
    static QHash<QString, QString> known;
    const QString key = family.toCaseFolded();
    std::lock_guard lock(mutex);
    auto it = known.constFind(key);
    if (it == known.constEnd())
        it = known.insert(key, matchingFamily(family));
    return it.value();
}

} // namespace

bool isFontInstalled(const QString& family)
{
    return !family.trimmed().isEmpty() && !cachedMatchingFamily(family).isEmpty();
}

QString drawingFamily(const QString& family)
{
    if (!family.trimmed().isEmpty()) {
        if (const QString found = cachedMatchingFamily(family); !found.isEmpty())
            return found;
    }
    const QString arial = QStringLiteral("Arial");
    const QString found = cachedMatchingFamily(arial);
    return found.isEmpty() ? arial : found;
}

} // namespace velunto
