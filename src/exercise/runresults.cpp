#include "exercise/runresults.h"

#include "document/document.h"
#include "exercise/exerciserun.h"

namespace velunto {

ProtocolRunData protocolRunData(const ExerciseRun& run, const Document& document,
                                const RunCircumstances& c)
{
    ProtocolRunData d;
    d.exerciseKind = run.kind();
    d.seriesPart = c.seriesPart;
    d.start = run.startTime();
    d.participantName = run.participantName();
    d.computer = c.computer;
    d.user = c.user;
    d.communicationFolder = c.communicationFolder;
    d.channel = c.channel;
    d.title = document.header.Titel;
    d.documentPath = c.documentPath;
    d.documentTypeName = document.documentTypeName();
    d.dokTyp = document.header.DokTyp;
    d.queriesInRun = run.queriesInRun();
    d.queriesInDocument = run.queriesInDocument();
    const ExerciseOptions& o = run.options();
    d.queryMode = o.QueryMode;
    d.timeMode = o.TimeMode;
    d.timeLimitSeconds = o.TimeLimitSeconds;
    d.onCorrect = o.OnCorrect;
    d.onWrong = o.OnWrong;
    d.cardOrder = o.CardOrder;
    d.positionOrder = o.PositionOrder;
    d.grading = o.grading;
    return d;
}

ProtocolResult protocolResult(const ExerciseRun& run, const RunCircumstances& c)
{
    const ExerciseResult& r = run.result();
    ProtocolResult p;
    // The result window writes "7  von  8"; the protocol the figure alone.
    p.right = r.correct.section(QStringLiteral("  von  "), 0, 0);
    p.wrong = r.wrong;
    p.quote = r.success;
    p.openCount = run.openCount();
    p.timeLabel = r.timeLabel;
    p.clock = r.time;
    p.total = r.performance;
    p.ratingWord = r.rating;
    p.scaleWord = r.gradeLabel.endsWith(u':') ? r.gradeLabel.chopped(1) : r.gradeLabel;
    p.grade = run.grade();
    p.weight = c.weight;
    return p;
}

QString runProtocolText(const ExerciseRun& run, const Document& document,
                        const RunCircumstances& c)
{
    return protocolHead(protocolRunData(run, document, c), protocolResult(run, c)) +
           run.protocolDetail();
}

BestListDataTyp runBestListRecord(const ExerciseRun& run, const QString& computer)
{
    return resultRecord(run.participantName(), computer, run.startTime(),
                        std::int32_t(std::min<qint64>(run.elapsedMs(), INT32_MAX)),
                        run.totalPerformance());
}

} // namespace velunto
