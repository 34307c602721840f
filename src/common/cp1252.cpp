#include "common/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace velunto {

namespace {
constexpr const char* kCodePage = "windows-1252";

// ASCII reads the same in code page 1252; most stored texts are ASCII only
// and skip the converter, which costs more to open than to run.
bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Every byte decodes to one character of its own, so decoding is a table
// look-up. The table is taken from the converter once: calling the converter
// costs more than decoding a title.
const std::array<char16_t, 256>& decodingTable()
{
    static const std::array<char16_t, 256> table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        QStringDecoder decoder(kCodePage);
        Q_ASSERT(decoder.isValid());
        const QString decoded = decoder.decode(bytes);
        Q_ASSERT(decoded.size() == 256);
        std::array<char16_t, 256> result{};
        for (int i = 0; i < 256 && i < decoded.size(); ++i)
            result[size_t(i)] = decoded[i].unicode();
        return result;
    }();
    return table;
}

} // namespace

QString fromCp1252(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    const std::array<char16_t, 256>& table = decodingTable();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes)
        *out++ = table[static_cast<unsigned char>(c)];
    return text;
}

QByteArray toCp1252(const QString& text)
{
    if (isAscii(text))
        return text.toLatin1();
    thread_local QStringEncoder encoder(kCodePage);
    Q_ASSERT(encoder.isValid());
    encoder.resetState();
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
