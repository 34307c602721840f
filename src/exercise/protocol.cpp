#include "exercise/protocol.h"

#include "common/filemessages.h"
#include "common/textformat.h"
#include "print/formattedtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace velunto {

namespace {

const QString kTab = QStringLiteral("\t");

QString pick(const QStringList& words, int index)
{
    return index >= 0 && index < words.size() ? words[index] : QString();
}

QString exerciseKindName(int kind)
{
    switch (kind) {
    case 0:
        return QStringLiteral("Individual-Übung");
    case 1:
        return QStringLiteral("Teilnahme an Netzwerk-Übung");
    case 2:
        return QStringLiteral("Initiierte Netzwerk-Übung");
    case 10:
        return QStringLiteral("Teilübung einer Übungsserie");
    }
    return {};
}

QString timeLimitText(const ProtocolRunData& run)
{
    switch (run.timeMode) {
    case 0:
        return QStringLiteral("nein, mit Uhr");
    case 1:
        return QStringLiteral("ja, ") + protocolDuration(run.timeLimitSeconds);
    case 2:
        return QStringLiteral("nein, ohne Uhr");
    }
    return {};
}

QString percentList(const QList<double>& thresholds)
{
    QStringList parts;
    for (const double t : thresholds)
        parts << oneDecimal(t * 100) + u'%';
    return parts.join(QStringLiteral(" / "));
}

QString gradingLimits(const GradingScale& g)
{
    QList<double> thresholds;
    switch (g.GradingScaleKind) {
    case 0:
    case 1:
    case 3: {
        const int last = g.GradingScaleKind == 0 ? 6 : 5;
        for (int k = 1; k <= last; ++k)
            thresholds << g.GradeThreshold[size_t(k)];
        return QStringLiteral("Notengrenzen bzgl. Gesamtleistung:\t") + percentList(thresholds);
    }
    case 2:
    case 4: {
        const int top = g.GradingScaleKind == 2 ? 15 : 12;
        for (int k = top; k >= 0; --k)
            thresholds << g.PointsThreshold[size_t(k)];
        return QStringLiteral("Punktegrenzen bzgl. Gesamtleistung:\t") + percentList(thresholds);
    }
    }
    return {};
}

QString participantLine(const ProtocolRunData& run)
{
    QString name = run.exerciseKind == 2 ? QStringLiteral("(Initiator der Netzwerk-Übung)")
                                         : run.participantName;
    if (name.isEmpty())
        name = QStringLiteral("(kein Name)");
    return QStringLiteral("Teilnehmername:\t") + name;
}

QString lines(const QStringList& list)
{
    QString text;
    for (const QString& line : list)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

QString protocolDuration(int seconds)
{
    if (seconds < 0)
        seconds = 0;
    const int h = seconds / 3600;
    const int m = seconds / 60 % 60;
    const int s = seconds % 60;
    QString text;
    if (h > 0)
        text += QString::number(h) + QStringLiteral(" Std. ");
    if (m > 0 || h > 0)
        text += QString::number(m) + QStringLiteral(" Min. ");
    text += QString::number(s) + QStringLiteral(" Sek.");
    return text.trimmed();
}

QString protocolSettingsBlock(const ProtocolRunData& run)
{
    QStringList l;
    l << QStringLiteral("Datum/Uhrzeit (Beginn):\t") + germanDateTime(run.start);
    l << participantLine(run);
    l << QStringLiteral("Rechnername:\t") + run.computer;
    l << QStringLiteral("Rechnerbenutzer:\t") + run.user;
    l << QStringLiteral("Übungsart:\t") + exerciseKindName(run.exerciseKind);
    if (run.exerciseKind == 2) {
        l << QStringLiteral("Kommunikationsordner:\t") + run.communicationFolder;
        l << QStringLiteral("Kommunikationskanal:\t") + run.channel;
    }
    l << QString() << QStringLiteral("<tit>Übungseinstellungen");
    l << QStringLiteral("Titel:\t") + run.title;
    l << QStringLiteral("Datei:\t") + QFileInfo(run.documentPath).fileName();
    l << QStringLiteral("Dokumententyp:\t") + run.documentTypeName;
    if (run.queriesInRun == run.queriesInDocument)
        l << QStringLiteral("Übungsumfang:\t%1 Abfragen (komplette Übung)").arg(run.queriesInRun);
    else
        l << QStringLiteral("Übungsumfang:\t%1 von %2 Abfragen (Teilwiederholung)")
                 .arg(run.queriesInRun)
                 .arg(run.queriesInDocument);

    const int type = run.dokTyp;
    if (type == 0 || type == 1 || type == 4 || type == 6) {
        l << QStringLiteral("Abfragemodus:\t") +
                 pick({QStringLiteral("freie Zuordnung in beliebiger Reihenfolge"),
                       QStringLiteral("Einzelabfrage Texte/Bilder"),
                       QStringLiteral("Einzelabfrage Positionen"), QStringLiteral("Texteingabe")},
                      run.queryMode);
        l << QStringLiteral("Zeitlimit:\t") + timeLimitText(run);
    }
    if ((type == 0 || type == 1 || type == 6) && run.queryMode != 3) {
        l << QStringLiteral("Verhalten bei richtiger Zuordnung:\t") +
                 pick({QStringLiteral("Beschriftung einblenden"),
                       QStringLiteral("grünes Häkchen setzen"),
                       QStringLiteral("keine Richtig-Rückmeldung")},
                      run.onCorrect);
        l << QStringLiteral("Verhalten bei Fehlversuch:\t") +
                 pick({QStringLiteral("beliebig viele Zuordnungsversuche erlaubt"),
                       QStringLiteral("rotes Kreuz setzen, keine erneute Zuordnung an dieser "
                                      "Position"),
                       QStringLiteral("keine Falsch-Rückmeldung, keine erneute Zuordnung an "
                                      "dieser Position")},
                      run.onWrong);
        l << QStringLiteral("Zuordnungstexte:\t") +
                 pick({QStringLiteral("alphabetisch geordnet"), QStringLiteral("zufällig gemischt")},
                      run.cardOrder);
        l << QStringLiteral("Zuordnungsziele (Positionen):\t") +
                 pick({QStringLiteral("geordnet nummeriert"),
                       QStringLiteral("zufällig gemischt nummeriert"),
                       QStringLiteral("Fragezeichen")},
                      run.positionOrder);
    }
    if (type == 2 || type == 3) {
        l << QStringLiteral("Abfragemodus:\t") +
                 pick({QStringLiteral("solange wiederholen, bis jede Frage richtig beantwortet "
                                      "wurde"),
                       QStringLiteral("jede Frage nur einmal stellen"),
                       QStringLiteral("keine Falsch-Rückmeldung, jede Frage nur einmal stellen")},
                      run.onWrong);
        l << QStringLiteral("Zeitlimit:\t") + timeLimitText(run);
        l << QStringLiteral("Antwortmöglichkeiten:\t") +
                 pick({type == 2 ? QStringLiteral("alphabetisch geordnet")
                                 : QStringLiteral("wie vorgegeben geordnet"),
                       QStringLiteral("zufällig gemischt")},
                      run.cardOrder);
        l << QStringLiteral("Reihenfolge der Fragen:\t") +
                 pick({QStringLiteral("wie vorgegeben geordnet"), QStringLiteral("zufällig gemischt")},
                      run.positionOrder);
    }
    l << gradingLimits(run.grading);
    l << QString();
    return lines(l);
}

QString protocolHead(const ProtocolRunData& run, const ProtocolResult& result)
{
    QString head = run.exerciseKind == 10
                       ? QStringLiteral("<tit>Übungsprotokoll zu Teilübung Nr. %1\r\n")
                             .arg(run.seriesPart)
                       : QStringLiteral("<tit>Übungsprotokoll\r\n");
    head += protocolSettingsBlock(run);
    QStringList l;
    l << QStringLiteral("<tit>Statistik-Zusammenfassung");
    l << QStringLiteral("Richtig zugeordnet:\t") + result.right;
    l << QStringLiteral("Fehlversuche:\t") + result.wrong;
    l << QStringLiteral("Erfolgsquote:\t") + result.quote;
    l << QStringLiteral("Offene Positionen:\t") + QString::number(result.openCount);
    l << result.timeLabel + kTab + result.clock;
    l << QStringLiteral("Gesamtleistung:\t") + result.total;
    l << QStringLiteral("Bewertung:\t") + result.ratingWord;
    l << result.scaleWord + QStringLiteral(":\t") + QString::number(result.grade);
    if (run.exerciseKind == 10)
        l << QStringLiteral("Gewichtung:\t") + result.weight;
    l << QString() << QStringLiteral("<tit>Detaillierter Ablauf");
    return head + lines(l);
}

QString protocolComment(const QString& comment)
{
    const QString trimmed = comment.trimmed();
    if (trimmed.isEmpty())
        return {};
    QString text = trimmed;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
    return QStringLiteral("\r\n<tit>Kommentar\r\n") + text;
}

QString autoSaveProtocolName(const QDateTime& time, const QString& computer, int counter)
{
    return time.toString(QStringLiteral("yyyyMMdd-HHmmss")) + u'-' + computer + u'-' +
           QString::number(counter) + QStringLiteral(".rtf");
}

QString emailProtocolName(const QDateTime& time, int counter)
{
    return QStringLiteral("email-vltprotokoll-") + time.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           u'-' + QString::number(counter) + QStringLiteral(".rtf");
}

UserMessages saveProtocolFile(const QString& path, const QString& text)
{
    const QByteArray rtf = formattedTextToRtf(text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit())
        return {{Prompter::Kind::Error, fileWriteErrorMessage(path)}};
    return {};
}

SavedProtocol saveProtocolUnderFreeName(const QString& folder, const QString& text,
                                        const std::function<QString(int counter)>& namer,
                                        const QString& reason)
{
    // The counter stops at the first free name; the name is claimed by
    // creating the file, so that a second program saving into the same
    // folder in the same second takes the next one.
    const QString base = folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
    QString path = base + namer(0);
    for (int counter = 0; counter < 100000; ++counter) {
        path = base + namer(counter);
        if (QFileInfo::exists(path))
            continue;
        QFile claim(path);
        if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path))
                continue;
            break;
        }
        claim.close();
        if (saveProtocolFile(path, text).empty())
            return {path, {}};
        QFile::remove(path);
        break;
    }
    return {QString(),
            {{Prompter::Kind::Error,
              fileWriteErrorMessage(path) + QStringLiteral("\r\n\r\n") + reason}}};
}

SavedProtocol autoSaveProtocol(const QString& protocolFolder, const QString& text,
                               const QDateTime& now, const QString& computer)
{
    return saveProtocolUnderFreeName(
        protocolFolder, text,
        [&](int counter) { return autoSaveProtocolName(now, computer, counter); },
        QStringLiteral("Das Übungsprotokoll konnte nicht automatisch gespeichert werden. "
                       "Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für Protokolle "
                       "und Bestenlisten\"."));
}

} // namespace velunto
