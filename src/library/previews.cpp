#include "library/previews.h"

#include "common/filemessages.h"
#include "common/numeric.h"
#include "document/documentfile.h"
#include "document/picturecodec.h"
#include "view/pagerender.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace velunto {

QString previewFolder(const QString& documentFolder)
{
    QString folder = documentFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder + QStringLiteral("vorschaubilder/");
}

std::optional<QString> ensurePreviewFolder(const QString& folder)
{
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return std::nullopt;
    return QStringLiteral("Verzeichnis für Vorschaubilder existiert nicht und konnte nicht "
                          "erstellt werden:\r\n") +
           folder;
}

QString previewFileName(const QString& documentPath, int height)
{
    return QFileInfo(documentPath).completeBaseName() + u'-' + QString::number(height) +
           QStringLiteral(".png");
}

QImage scalePreview(const QImage& page, int height)
{
    if (page.isNull() || height < 1)
        return {};
    const int width = std::max(1, rnd(double(page.width()) / page.height() * height));
    return page.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

UserMessages writePreview(const QImage& page, int height, const QString& path)
{
    const QByteArray png = encodePng(scalePreview(page, height));
    QSaveFile file(path);
    if (png.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(png) != png.size() ||
        !file.commit())
        return {{Prompter::Kind::Error, fileWriteErrorMessage(path)}};
    return {};
}

BatchOutcome makeDocumentPreview(const QString& path, const QString& folder,
                                 const PreviewSettings& settings)
{
    Document document;
    document.setFontName(settings.fontName);
    const LoadResult loaded = loadDocument(document, path);
    if (!loaded.ok)
        return {path, BatchOutcome::Kind::Failed, loaded.messages};
    if (document.picturesLocked())
        return {path, BatchOutcome::Kind::Skipped, {}};

    ViewRenderOptions options;
    options.viewport = settings.viewport;
    // A preview higher than the window is composed at its own height (pages
    // up to four times as wide as high), not blown up from a smaller page.
    if (settings.height > options.viewport.height())
        options.viewport = QSize(4 * settings.height, settings.height);
    const QImage page = composeLoadedPage(document, options);
    const QString target = QDir(folder).filePath(previewFileName(path, settings.height));
    UserMessages failed = writePreview(page, settings.height, target);
    if (!failed.empty())
        return {path, BatchOutcome::Kind::Failed, std::move(failed)};
    return {path, BatchOutcome::Kind::Done, {}};
}

DocumentTask previewTask(const QString& folder, const PreviewSettings& settings)
{
    return [folder, settings](const QString& path) {
        return makeDocumentPreview(path, folder, settings);
    };
}

QString skippedPreviewsText(const std::vector<BatchOutcome>& outcomes)
{
    QString names;
    for (const BatchOutcome& o : outcomes)
        if (o.kind == BatchOutcome::Kind::Skipped)
            names += QStringLiteral("\r\n- ") + QFileInfo(o.path).fileName();
    if (names.isEmpty())
        return {};
    return QStringLiteral("Für folgende Dokumente wurden keine Vorschaubilder erzeugt, weil ihre "
                          "Bilder durch ein Passwort geschützt sind:") +
           names;
}

} // namespace velunto
