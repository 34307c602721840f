// velunto-tool: the command-line companion for scripting and for checking
// document files.

#include "document/documentfile.h"
#include "common/filemessages.h"
#include "exercise/bestlist.h"
#include "document/documentjson.h"
#include "previewscommand.h"
#include "render.h"
#include "samples.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QStringList>

#include <cstdio>

using namespace velunto;

namespace {

const char* const kUsage = "Aufruf:\n"
                           "  velunto-tool dump DATEI [--offset N]\n"
                           "  velunto-tool resave EINGABE AUSGABE\n"
                           "  velunto-tool render DATEI AUSGABE.png [--size BxH] "
                           "[--zoom 100|150|200] [--uncover-all]\n"
                           "  velunto-tool previews ORDNER [--height H]\n"
                           "  velunto-tool make-samples ORDNER\n"
                           "  velunto-tool bestlist DATEI.hsc\n";

int fail(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fputs(plain.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    return 1;
}

int fail(const UserMessages& messages)
{
    for (const UserMessage& m : messages)
        fail(m.text);
    return 1;
}

// Qt's own notices (about the platform or the environment) would mix with
// the program's messages on standard error; only its errors are let through.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

int usage()
{
    std::fputs(kUsage, stderr);
    return 1;
}

int dump(const QStringList& args)
{
    if (args.size() != 1 && !(args.size() == 3 && args[1] == u"--offset"))
        return usage();
    LoadOptions options;
    if (args.size() == 3) {
        bool ok = false;
        options.offset = args[2].toLongLong(&ok);
        if (!ok || options.offset < 0)
            return fail(QStringLiteral("Ungültiger Versatz: ") + args[2]);
    }
    Document document;
    const LoadResult loaded = loadDocument(document, args[0], options);
    if (!loaded.ok)
        return fail(loaded.messages);
    const QByteArray json = QJsonDocument(documentToJson(document)).toJson(QJsonDocument::Indented);
    return std::fwrite(json.constData(), 1, size_t(json.size()), stdout) == size_t(json.size()) ? 0
                                                                                                : 1;
}

int resave(const QStringList& args)
{
    if (args.size() != 2)
        return usage();
    Document document;
    const LoadResult loaded = loadDocument(document, args[0]);
    if (!loaded.ok)
        return fail(loaded.messages);
    const SaveResult saved = saveDocument(document, args[1]);
    if (!saved.ok)
        return fail(saved.messages);
    return 0;
}

// The best list as the window's text: header row, best first, TAB-separated,
// for a spreadsheet. A damaged end is reported and the complete records
// printed.
int bestList(const QStringList& args)
{
    if (args.size() != 1)
        return usage();
    if (!QFileInfo::exists(args[0]))
        return fail(fileMissingMessage(args[0]));
    BestListRead read = readBestList(args[0], BestListScope::Individual);
    if (!read.ok)
        return fail(read.messages);
    for (const UserMessage& m : read.messages)
        fail(m.text);
    read.list.sort();
    const QByteArray text = bestListText(read.list).toUtf8();
    return std::fwrite(text.constData(), 1, size_t(text.size()), stdout) == size_t(text.size()) ? 0
                                                                                                : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // No window is ever shown; the font database still needs a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == u"dump")
        return dump(args);
    if (command == u"resave")
        return resave(args);
    if (command == u"render")
        return renderCommand(args);
    if (command == u"previews")
        return previewsCommand(args);
    if (command == u"make-samples")
        return makeSamplesCommand(args);
    if (command == u"bestlist")
        return bestList(args);
    return usage();
}
