#include "content/textfile.h"

#include "common/cp1252.h"
#include "common/filemessages.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace velunto {

namespace {

constexpr qint64 kMaxTextFileBytes = 16 * 1024 * 1024;

} // namespace

TextFileResult readTextFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {false, {}, fileMissingMessage(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTextFileBytes)
        return {false, {}, fileReadErrorMessage(path)};
    QByteArray bytes = file.read(kMaxTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxTextFileBytes)
        return {false, {}, fileReadErrorMessage(path)};

    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return {true, text, {}};
}

} // namespace velunto
