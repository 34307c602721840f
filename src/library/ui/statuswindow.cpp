#include "library/ui/statuswindow.h"

#include "library/folderbatch.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace velunto {

StatusWindow::StatusWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_label(new QLabel), m_cancel(new QPushButton(QStringLiteral("Abbrechen")))
{
    setWindowTitle(QStringLiteral("Velunto"));
    setWindowModality(Qt::ApplicationModal);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumWidth(360);
    m_cancel->setVisible(false);
    connect(m_cancel, &QPushButton::clicked, this, &StatusWindow::cancelRequested);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(m_label);
    layout->addWidget(m_cancel, 0, Qt::AlignCenter);
}

void StatusWindow::setMessage(const QString& message)
{
    QString shown = message;
    m_label->setText(shown.replace(u'|', u'\n'));
}

QString StatusWindow::message() const
{
    return m_label->text();
}

void StatusWindow::setCancellable(bool on)
{
    m_cancel->setVisible(on);
}

void StatusWindow::reject()
{
    if (m_cancel->isVisible())
        Q_EMIT cancelRequested();
}

void runWithStatus(FolderBatch& batch, const QString& what, QWidget* parent)
{
    StatusWindow status(parent);
    status.setCancellable(true);
    status.setMessage(batchStatusText(what, 0, batch.total()));
    QObject::connect(&status, &StatusWindow::cancelRequested, &status, [&batch, &status] {
        batch.cancel();
        status.setMessage(QStringLiteral("Abbruch, sobald die begonnenen Dokumente fertig "
                                         "sind.||Bitte warten."));
        status.setCancellable(false);
    });
    status.show();

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (batch.isFinished()) {
            loop.quit();
            return;
        }
        if (!batch.isCancelled())
            status.setMessage(batchStatusText(
                what, std::min(batch.finishedCount() + 1, batch.total()), batch.total()));
    });
    batch.start();
    poll.start();
    loop.exec();
    status.close();
}

} // namespace velunto
