#include "render.h"

#include "document/documentfile.h"
#include "document/picturecodec.h"
#include "view/pagerender.h"

#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

namespace velunto {

namespace {

const char* const kRenderUsage =
    "Aufruf: velunto-tool render DATEI AUSGABE.png [--size BxH] [--zoom 100|150|200] "
    "[--uncover-all]\n";

int renderFailed(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", plain.toLocal8Bit().constData());
    return 1;
}

// The largest window the command composes for; larger sizes are refused
// instead of allocating pictures of gigabytes.
constexpr int kMaxSide = 10000;

} // namespace

int renderCommand(const QStringList& args)
{
    if (args.size() < 2) {
        std::fputs(kRenderUsage, stderr);
        return 1;
    }
    ViewRenderOptions options;
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--uncover-all") {
            options.uncoverAll = true;
        } else if (a == u"--size" && i + 1 < args.size()) {
            const auto m =
                QRegularExpression(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$")).match(args[++i]);
            const int w = m.hasMatch() ? m.captured(1).toInt() : 0;
            const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
            if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide)
                return renderFailed(QStringLiteral("Ungültige Größe: ") + args[i]);
            options.viewport = QSize(w, h);
        } else if (a == u"--zoom" && i + 1 < args.size()) {
            const QString zoom = args[++i];
            if (zoom == u"100")
                options.zoomIndex = 0;
            else if (zoom == u"150")
                options.zoomIndex = 2;
            else if (zoom == u"200")
                options.zoomIndex = 4;
            else
                return renderFailed(QStringLiteral("Ungültiger Zoom: ") + zoom);
        } else {
            std::fputs(kRenderUsage, stderr);
            return 1;
        }
    }

    Document document;
    const LoadResult loaded = loadDocument(document, args[0]);
    if (!loaded.ok) {
        for (const UserMessage& m : loaded.messages)
            renderFailed(m.text);
        return 1;
    }
    const QImage picture =
        renderLoadedDocument(document, options).convertToFormat(QImage::Format_RGB32);
    QSaveFile file(args[1]);
    if (!file.open(QIODevice::WriteOnly) || file.write(encodePng(picture)) < 0 || !file.commit())
        return renderFailed(QStringLiteral("Die Datei \"") + args[1] +
                            QStringLiteral("\" kann nicht geschrieben werden."));
    return 0;
}

} // namespace velunto
