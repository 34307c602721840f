#pragma once

#include "platform/usermessage.h"
#include "shell/settings.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace velunto {

// The circumstances and settings of a run that the protocol head lists.
struct ProtocolRunData
{
    int exerciseKind = 0; // 0 individual, 1 network participant, 2 initiator, 10 series part
    int seriesPart = 0;   // the part's number from 1 (series parts)
    QDateTime start;
    QString participantName; // the join name for a network participant
    QString computer;
    QString user;
    QString communicationFolder; // network initiator
    QString channel;

    QString title;        // `Titel` of the document
    QString documentPath; // the file; only its name is listed
    QString documentTypeName;
    int dokTyp = 0;
    int queriesInRun = 0;
    int queriesInDocument = 0;

    // The options snapshot.
    int queryMode = 0;
    int timeMode = 0;
    int timeLimitSeconds = 0;
    int onCorrect = 0;
    int onWrong = 0;
    int cardOrder = 0;
    int positionOrder = 0;
    GradingScale grading;
};

// The result figures, as the result window shows them.
struct ProtocolResult
{
    QString right;   // "Richtig zugeordnet:"
    QString wrong;   // "Fehlversuche:"
    QString quote;   // "Erfolgsquote:"
    int openCount = 0;
    QString timeLabel; // "Benötigte Zeit:" or "Verbliebene Zeit:"
    QString clock;
    QString total; // "Gesamtleistung:"
    QString ratingWord;
    QString scaleWord; // "Note" or "Punkte"
    int grade = 0;
    QString weight; // series parts only
};

// A duration as "1 Std. 0 Min. 5 Sek.", "3 Min. 0 Sek.", "45 Sek.";
// negative durations count as 0.
QString protocolDuration(int seconds);

// The settings block of the head, from the date to the grading limits and
// the empty line after them; also shown by the network control display.
QString protocolSettingsBlock(const ProtocolRunData& run);

// The whole head: title, settings block, statistics and the title of the
// detailed course. The protocol text is this followed by the detail lines.
QString protocolHead(const ProtocolRunData& run, const ProtocolResult& result);

// "\r\n<tit>Kommentar\r\n" + the trimmed comment; empty when nothing is left
// after trimming.
QString protocolComment(const QString& comment);

// --- files ----------------------------------------------------------------------

// "yyyymmdd-hhnnss-<computer>-<counter>.rtf".
QString autoSaveProtocolName(const QDateTime& time, const QString& computer, int counter);
// "email-vltprotokoll-yyyymmdd-hhnnss-<counter>.rtf".
QString emailProtocolName(const QDateTime& time, int counter);

// Writes the protocol text as RTF into folder under the first name that
// namer gives for the counter 0, 1, 2, ... that no file has yet. Returns
// the path written, or an empty path with the error box's text (the file
// error text, then reason) in message.
struct SavedProtocol
{
    QString path;
    UserMessages messages;
};
SavedProtocol saveProtocolUnderFreeName(const QString& folder, const QString& text,
                                        const std::function<QString(int counter)>& namer,
                                        const QString& reason);

// AutoSaveProtocol: the protocol of a finished run into the protocol folder.
SavedProtocol autoSaveProtocol(const QString& protocolFolder, const QString& text,
                               const QDateTime& now, const QString& computer);

// Writes the protocol text as RTF to path, replacing the file in one step.
UserMessages saveProtocolFile(const QString& path, const QString& text);

} // namespace velunto
