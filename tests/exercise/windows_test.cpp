#include "common/filemessages.h"
#include "exercise/bestlist.h"
#include "exercise/protocol.h"
#include "exercise/ui/bestlistwindow.h"
#include "exercise/ui/protocolwindow.h"
#include "internet/mail.h"
#include "platform/prompter.h"
#include "print/formattedtext.h"
#include "print/tableprint.h"
#include "print/ui/printing.h"
#include "support/pdftools.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace velunto;
using namespace velunto::testing;

namespace {

BestList records(int count)
{
    std::vector<BestListDataTyp> list;
    const QDateTime start(QDate(2024, 3, 5), QTime(10, 0));
    for (int i = 0; i < count; ++i)
        list.push_back(resultRecord(QStringLiteral("Kind%1").arg(i + 1), QStringLiteral("PC-1"),
                                    start, 60000 + i, 1.0 - i / 1000.0));
    return BestList::fromRecords(list);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct WindowFixture : ::testing::Test
{
    QTemporaryDir dir;
    QString folder = dir.path() + u'/';
    QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    ScriptedPrompter prompter;
    PdfPrinting printing{pdf};

    WindowFixture() { keepWhenAsked(dir); }
};

} // namespace

TEST_F(WindowFixture, TheBestListGridShowsTheListAndPrintsSavesAndCopiesIt)
{
    BestListWindow window(QStringLiteral("Bestenliste - Individual-Übung"), records(90), folder,
                          prompter, printing);
    const QAbstractItemModel* model = window.grid()->model();
    EXPECT_EQ(model->rowCount(), 90);
    EXPECT_EQ(model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Zeit (Min:Sek)"));
    EXPECT_EQ(model->index(1, 3).data().toString(), QStringLiteral("99.9 %"));
    EXPECT_EQ(model->index(1, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignHCenter));
    EXPECT_EQ(model->index(1, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignLeft));
    EXPECT_EQ(window.grid()->columnWidth(5), 140);
    EXPECT_EQ(window.grid()->verticalHeader()->defaultSectionSize(), 19);

    window.print();
    EXPECT_EQ(printing.dialogs, 1);
    const std::vector<PdfWord> words = pdfWords(pdf);
    EXPECT_NE(findWord(words, QStringLiteral("Datum/Uhrzeit"), 1), nullptr);
    EXPECT_NE(findWord(words, QStringLiteral("Kind90")), nullptr);
    EXPECT_GE(pdfInfo(pdf, QStringLiteral("Pages")).toInt(), 2);

    const QString saved = dir.filePath(QStringLiteral("liste.txt"));
    prompter.files.push_back(saved);
    window.save();
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Bestenliste in Datei speichern"));
    EXPECT_EQ(prompter.fileRequests.back().directory, folder);
    EXPECT_EQ(QString::fromUtf8(readFile(saved)), bestListText(records(90)));
    window.copyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), bestListText(records(90)));
}

TEST_F(WindowFixture, AnEmptyBestListStillHasOneRow)
{
    BestListWindow window(QStringLiteral("Bestenliste - Netzwerk-Übung"), {}, folder, prompter,
                          printing);
    EXPECT_EQ(window.grid()->model()->rowCount(), 1);
    EXPECT_EQ(window.grid()->model()->index(0, 1).data().toString(), QString());
    EXPECT_EQ(window.printTable().rows.size(), 1u); // the header alone
}

TEST(BestListShow, TheIndividualListIsRefusedWhereItCannotExist)
{
    const auto noPause = [](int) {};
    const BestListToShow during =
        prepareBestList(BestListScope::Individual, QStringLiteral("/x.hsc"), true, noPause);
    EXPECT_FALSE(during.show);
    EXPECT_EQ(during.messages[0].text,
              QStringLiteral("Während der Netzwerk-Übung ist die Bestenliste der "
                             "Individual-Übung nicht einsehbar."));
    const BestListToShow unsaved = prepareBestList(BestListScope::Individual, QString(), false, noPause);
    EXPECT_FALSE(unsaved.show);
    EXPECT_EQ(unsaved.messages[0].text,
              QStringLiteral("Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein "
                             "Dokument geöffnet wurde, ist keine Bestenliste verfügbar."));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("n.hsc"));
    for (const BestListDataTyp& r : {records(3).record(2), records(3).record(0)})
        ASSERT_TRUE(appendBestListResult(path, r, BestListScope::Network, noPause).empty());
    const BestListToShow network = prepareBestList(BestListScope::Network, path, true, noPause);
    EXPECT_TRUE(network.show);
    EXPECT_EQ(network.title, QStringLiteral("Bestenliste - Netzwerk-Übung"));
    ASSERT_EQ(network.list.size(), 2u);
    EXPECT_EQ(network.list.record(0).Name, QStringLiteral("Kind1")); // sorted
}

TEST_F(WindowFixture, TheProtocolWindowKeepsCommentsAndHandsTheFileToTheMailProgram)
{
    RecordingMailSender mail;
    mail.answer = {{Prompter::Kind::Information, mailHandedOverText()}};
    ProtocolWindow window(prompter, printing, mail);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Übungsprotokoll"));
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.setProtocolFolder(folder);
    window.setDocument(QStringLiteral("/themen/bluete.vlt"), false);
    window.render(QStringLiteral("<tit>Übungsprotokoll\r\nName:\tMia\r\n"), true);
    window.addComment(QStringLiteral("  "));
    window.addComment(QStringLiteral(" Gut gemacht "));
    EXPECT_EQ(window.text(), QStringLiteral("<tit>Übungsprotokoll\r\nName:\tMia\r\n\r\n"
                                            "<tit>Kommentar\r\nGut gemacht"));
    EXPECT_EQ(window.view()->toPlainText(),
              QStringLiteral("Übungsprotokoll\n\nName:\tMia\n\nKommentar\n\nGut gemacht"));

    window.copyToClipboard();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(copied->data(QStringLiteral("text/rtf")), formattedTextToRtf(window.text()));
    EXPECT_TRUE(copied->hasHtml());
    EXPECT_EQ(copied->text(), formattedTextToPlain(window.text()));

    window.sendByMail();
    ASSERT_EQ(mail.sent.size(), 1u);
    EXPECT_EQ(mail.sent[0].subject, QStringLiteral("Velunto-Übungsprotokoll"));
    EXPECT_EQ(mail.sent[0].body,
              QStringLiteral("Anbei Velunto-Übungsprotokoll zu Themendokument: bluete.vlt\r\n"));
    ASSERT_EQ(mail.sent[0].attachments.size(), 1);
    const QString attached = mail.sent[0].attachments[0];
    EXPECT_TRUE(QFileInfo(attached).fileName().startsWith(QStringLiteral("email-vltprotokoll-")));
    EXPECT_TRUE(attached.endsWith(QStringLiteral("-0.rtf")));
    EXPECT_EQ(readFile(attached), formattedTextToRtf(window.text()));
    EXPECT_EQ(prompter.texts(), QStringList{mailHandedOverText()});

    window.setDocument(QString(), true);
    window.sendByMail();
    EXPECT_EQ(mail.sent[1].body, QStringLiteral("Anbei Velunto-Übungsprotokoll zur Übungsserie\r\n"));

    // Without a writable folder no mail is composed.
    window.setProtocolFolder(dir.filePath(QStringLiteral("fehlt/")));
    prompter.shown.clear();
    window.sendByMail();
    EXPECT_EQ(mail.sent.size(), 2u);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.endsWith(QStringLiteral(
        "Das Übungsprotokoll konnte nicht für den E-Mail-Versand zwischengespeichert werden. "
        "Überprüfen Sie die Einstellungen unter \"Optionen | Ordner für Protokolle und "
        "Bestenlisten\".")));

    window.print();
    EXPECT_EQ(pdfInfo(pdf, QStringLiteral("Title")), QStringLiteral("Übungsprotokoll"));
    EXPECT_NE(findWord(pdfWords(pdf), QStringLiteral("Kommentar")), nullptr);

    const QString saved = dir.filePath(QStringLiteral("p.rtf"));
    prompter.files.push_back(saved);
    window.save();
    EXPECT_EQ(prompter.fileRequests.back().title,
              QStringLiteral("Übungsprotokoll in Datei speichern"));
    EXPECT_EQ(readFile(saved), formattedTextToRtf(window.text()));
}

TEST(Mail, TheMailProgramGetsAnArgumentListOrAClearMessage)
{
    MailRequest request;
    request.subject = QStringLiteral("Velunto-Übungsprotokoll");
    request.body = QStringLiteral("Anbei \"x\"; rm -rf $HOME\r\n");
    request.attachments = {QStringLiteral("/tmp/a b.rtf")};
    EXPECT_EQ(DesktopMailSender::arguments(request),
              (QStringList{"--utf8", "--subject", "Velunto-Übungsprotokoll", "--body",
                           "Anbei \"x\"; rm -rf $HOME\r\n", "--attach", "/tmp/a b.rtf"}));

    qputenv("VELUNTO_MAIL_COMMAND", "velunto-kein-mailprogramm");
    const UserMessages missing = DesktopMailSender().send(request);
    qunsetenv("VELUNTO_MAIL_COMMAND");
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].kind, Prompter::Kind::Warning);
    EXPECT_TRUE(missing[0].text.contains(QStringLiteral("velunto-kein-mailprogramm")));

    // A mail program that refuses gives the warning; one that takes it the
    // information.
    for (const auto& [program, text] :
         {std::pair{"/bin/false", mailFailedText()}, std::pair{"/bin/true", mailHandedOverText()}}) {
        qputenv("VELUNTO_MAIL_COMMAND", program);
        const UserMessages result = DesktopMailSender().send(request);
        qunsetenv("VELUNTO_MAIL_COMMAND");
        ASSERT_EQ(result.size(), 1u);
        EXPECT_EQ(result[0].text, text);
    }
}
