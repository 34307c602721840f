#include "view/ui/picturesource.h"

#include "document/pictureexport.h"
#include "document/picturefile.h"
#include "platform/prompter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace velunto {

std::optional<Picture> pictureFromClipboard(Prompter& prompter)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QImage image =
        data != nullptr && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
    if (image.isNull()) {
        prompter.information(QStringLiteral("Die Zwischenablage enthält keine Bitmap-Grafik."));
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::optional<QString> choosePictureFile(Prompter& prompter, const QString& title,
                                         const QString& folder)
{
    Prompter::FileRequest request;
    request.title = title;
    request.directory = folder;
    request.filters = {QStringLiteral("Bilddateien (*.bmp *.png *.jpg)"),
                       QStringLiteral("Alle Dateien (*.*)")};
    return prompter.openFile(request);
}

std::optional<Picture> pictureFromFile(Prompter& prompter, const QString& title,
                                       const QString& folder)
{
    const auto file = choosePictureFile(prompter, title, folder);
    if (!file)
        return std::nullopt;
    PictureFileResult result = loadPictureFile(*file);
    if (!result.ok()) {
        prompter.error(result.error);
        return std::nullopt;
    }
    return std::move(result.picture);
}

void copyPictureToClipboard(const Picture& picture, Document& document, Prompter& prompter)
{
    if (picture.isNull() || !confirmPictureExport(document, prompter))
        return;
    QGuiApplication::clipboard()->setImage(picture);
}

} // namespace velunto
