#pragma once

#include "platform/usermessage.h"

#include <QFuture>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace velunto {

// What became of one document of a folder batch.
struct BatchOutcome
{
    enum class Kind {
        Done,      // the document was worked on and written
        Unchanged, // there was nothing to do
        Skipped,   // left out on purpose (see messages)
        Failed,    // it could not be loaded or written (see messages)
    };
    QString path;
    Kind kind = Kind::Done;
    UserMessages messages;
};

// The work on one document file. It runs on a worker thread, so it must
// keep to data of its own (its own Document) and touch no window.
using DocumentTask = std::function<BatchOutcome(const QString& path)>;

// Runs a task for every file of a list on the worker threads, as many files
// at once as the machine has cores. The window polls the progress; the
// command-line tool waits.
class FolderBatch
{
  public:
    FolderBatch(QStringList files, DocumentTask task);
    ~FolderBatch(); // cancels and waits

    FolderBatch(const FolderBatch&) = delete;
    FolderBatch& operator=(const FolderBatch&) = delete;

    void start();
    // No further file is started; the ones under way are finished.
    void cancel();
    bool isCancelled() const { return m_state->cancelled; }
    // Waits until the batch is over.
    void wait();
    bool isFinished() const;

    int total() const { return int(m_state->files.size()); }
    int finishedCount() const { return m_state->finished; }
    // The outcomes of the finished files, in the order of the list.
    std::vector<BatchOutcome> outcomes() const;

  private:
    struct State
    {
        QStringList files;
        DocumentTask task;
        std::atomic<int> next{0};
        std::atomic<int> finished{0};
        std::atomic<bool> cancelled{false};
        mutable std::mutex mutex;
        std::vector<BatchOutcome> outcomes; // by file index
        std::vector<bool> done;
    };
    static void work(State& state);

    std::shared_ptr<State> m_state;
    std::vector<QFuture<void>> m_workers;
};

// The text of the status window while a batch works on document k of n:
// what + "|Bearbeite Dokument Nr. k von n.|Bitte warten."; before the first
// one (k = 0) what + "||Bitte warten.".
QString batchStatusText(const QString& what, int k, int n);

// The messages of the failed outcomes, one after another.
UserMessages failureMessages(const std::vector<BatchOutcome>& outcomes);

} // namespace velunto
