#include "previewscommand.h"

#include "library/folderbatch.h"
#include "library/previews.h"
#include "library/topiclist.h"

#include <QFileInfo>

#include <cstdio>

namespace velunto {

namespace {

const char* const kPreviewsUsage = "Aufruf: velunto-tool previews ORDNER [--height H]\n";

void printError(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", plain.toLocal8Bit().constData());
}

} // namespace

int previewsCommand(const QStringList& args)
{
    PreviewSettings settings;
    if (args.size() == 3 && args[1] == u"--height") {
        bool ok = false;
        settings.height = args[2].toInt(&ok);
        if (!ok || settings.height < kPreviewMinHeight || settings.height > kPreviewMaxHeight) {
            printError(QStringLiteral("Ungültige Höhe: ") + args[2] +
                       QStringLiteral(" (erlaubt: %1 bis %2)")
                           .arg(kPreviewMinHeight)
                           .arg(kPreviewMaxHeight));
            return 1;
        }
    } else if (args.size() != 1) {
        std::fputs(kPreviewsUsage, stderr);
        return 1;
    }
    const QString folder = args[0];
    if (!QFileInfo(folder).isDir()) {
        printError(QStringLiteral("Der Ordner \"") + folder +
                   QStringLiteral("\" existiert nicht."));
        return 1;
    }
    const QString target = previewFolder(QFileInfo(folder).absoluteFilePath());
    if (const auto error = ensurePreviewFolder(target)) {
        printError(*error);
        return 1;
    }

    FolderBatch batch(documentFiles(folder), previewTask(target, settings));
    batch.start();
    batch.wait();
    const std::vector<BatchOutcome> outcomes = batch.outcomes();
    int written = 0;
    for (const BatchOutcome& o : outcomes)
        written += o.kind == BatchOutcome::Kind::Done ? 1 : 0;
    const UserMessages failures = failureMessages(outcomes);
    for (const UserMessage& m : failures)
        printError(m.text);
    if (const QString skipped = skippedPreviewsText(outcomes); !skipped.isEmpty())
        printError(skipped);
    std::printf("%d Vorschaubild(er) in %s\n", written, target.toLocal8Bit().constData());
    return failures.empty() ? 0 : 1;
}

} // namespace velunto
