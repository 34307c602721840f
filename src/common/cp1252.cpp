#include "common/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velunto {

namespace {
constexpr const char* kCodePage = "windows-1252";
}

QString fromCp1252(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

QByteArray toCp1252(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

bool fitsCp1252(const QString& text)
{
    // Code page 1252 maps each byte to one BMP character, so a text fits
    // exactly when it survives the round trip unchanged.
    return fromCp1252(toCp1252(text)) == text;
}

QString charactersOutsideCp1252(const QString& text)
{
    QString result;
    if (fitsCp1252(text))
        return result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString ch = text.mid(i, 1);
        if (text[i].isHighSurrogate() && i + 1 < text.size())
            ch = text.mid(i++, 2);
        if (!fitsCp1252(ch) && !result.contains(ch))
            result += ch;
    }
    return result;
}

} // namespace velunto
