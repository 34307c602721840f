#include "library/folderbatch.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <utility>

namespace velunto {

FolderBatch::FolderBatch(QStringList files, DocumentTask task) : m_state(std::make_shared<State>())
{
    m_state->files = std::move(files);
    m_state->task = std::move(task);
    m_state->outcomes.resize(size_t(m_state->files.size()));
    m_state->done.resize(size_t(m_state->files.size()), false);
}

FolderBatch::~FolderBatch()
{
    cancel();
    wait();
}

void FolderBatch::start()
{
    QThreadPool* pool = QThreadPool::globalInstance();
    const int workers = std::min(std::max(1, pool->maxThreadCount()), total());
    for (int i = 0; i < workers; ++i)
        m_workers.push_back(QtConcurrent::run(pool, [state = m_state] { work(*state); }));
}

void FolderBatch::work(State& state)
{
    // Read without detaching: the workers share the list, and a caller may
    // still hold a copy of it.
    const QStringList& files = std::as_const(state.files);
    const int n = int(files.size());
    while (!state.cancelled) {
        const int index = state.next++;
        if (index >= n)
            return;
        BatchOutcome outcome = state.task(files[index]);
        outcome.path = files[index];
        {
            std::lock_guard lock(state.mutex);
            state.outcomes[size_t(index)] = std::move(outcome);
            state.done[size_t(index)] = true;
        }
        ++state.finished;
    }
}

void FolderBatch::cancel()
{
    m_state->cancelled = true;
}

void FolderBatch::wait()
{
    for (QFuture<void>& worker : m_workers)
        worker.waitForFinished();
}

bool FolderBatch::isFinished() const
{
    return std::all_of(m_workers.begin(), m_workers.end(),
                       [](const QFuture<void>& worker) { return worker.isFinished(); });
}

std::vector<BatchOutcome> FolderBatch::outcomes() const
{
    std::lock_guard lock(m_state->mutex);
    std::vector<BatchOutcome> result;
    for (size_t i = 0; i < m_state->outcomes.size(); ++i)
        if (m_state->done[i])
            result.push_back(m_state->outcomes[i]);
    return result;
}

QString batchStatusText(const QString& what, int k, int n)
{
    if (k <= 0)
        return what + QStringLiteral("||Bitte warten.");
    return what + QStringLiteral("|Bearbeite Dokument Nr. ") + QString::number(k) +
           QStringLiteral(" von ") + QString::number(n) + QStringLiteral(".|Bitte warten.");
}

UserMessages failureMessages(const std::vector<BatchOutcome>& outcomes)
{
    UserMessages messages;
    for (const BatchOutcome& o : outcomes)
        if (o.kind == BatchOutcome::Kind::Failed)
            messages.insert(messages.end(), o.messages.begin(), o.messages.end());
    return messages;
}

} // namespace velunto
