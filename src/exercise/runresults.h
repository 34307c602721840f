#pragma once

#include "exercise/bestlist.h"
#include "exercise/protocol.h"

namespace velunto {

class Document;
class ExerciseRun;

// What the protocol head needs beyond the run and its document.
struct RunCircumstances
{
    QString documentPath;
    QString computer;
    QString user;
    QString communicationFolder; // network initiator
    QString channel;
    int seriesPart = 0;
    QString weight; // series parts
};

// The protocol of a finished run: its head, then the detail lines the run
// wrote.
ProtocolRunData protocolRunData(const ExerciseRun& run, const Document& document,
                                const RunCircumstances& circumstances);
ProtocolResult protocolResult(const ExerciseRun& run, const RunCircumstances& circumstances);
QString runProtocolText(const ExerciseRun& run, const Document& document,
                        const RunCircumstances& circumstances);

// The best-list record of a finished run.
BestListDataTyp runBestListRecord(const ExerciseRun& run, const QString& computer);

} // namespace velunto
