#pragma once

#include "exercise/bestlist.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace velunto {

class Document;
class ExerciseRun;
class MailSender;
class Printing;
class Prompter;
class ProtocolWindow;
struct Settings;

// What is left of a run after its end, and the commands around it: the
// protocol (its window, automatic saving), the best lists, the grading
// scale and the folders for protocols and best lists.
class ExerciseResults : public QObject
{
    Q_OBJECT
  public:
    ExerciseResults(Settings& settings, const Document& document, Prompter& prompter,
                    Printing& printing, MailSender& mail, QWidget* window);
    ~ExerciseResults() override;

    // --- the end of a run ---
    // The run's protocol replaces the one shown in the protocol window and
    // is saved into the protocol folder when AutoSaveProtocol is on (a
    // failure is shown; the run goes on).
    void protocolReady(const ExerciseRun& run);
    // Appends the run's record to the document's best list. A failure is
    // shown and the folder dialog opens; false then.
    bool enterInBestList(const ExerciseRun& run);
    // Why the open document has no best list (it was never saved); empty
    // when it has one.
    QString bestListUnavailableReason() const;

    // --- commands ---
    // "&Protokoll der letzten Übung...".
    void showProtocol();
    // "&Bestenliste Individual-Übung..." / "Besten&liste Netzwerk-Übung...".
    void showBestList(BestListScope scope, bool duringNetworkParticipation = false);
    // "&Dateiordner...".
    void chooseFolders();
    // "Notens&kala...".
    void editGradingScale();

    // The text of the last run's protocol (comments not included), and
    // where it was saved automatically (empty when it was not).
    const QString& lastProtocol() const { return m_lastProtocol; }
    const QString& lastAutoSaved() const { return m_lastAutoSaved; }
    ProtocolWindow& protocolWindow();
    QString individualBestList() const;

  private:
    Settings& m_settings;
    const Document& m_document;
    Prompter& m_prompter;
    Printing& m_printing;
    MailSender& m_mail;
    QWidget* m_window;
    QPointer<ProtocolWindow> m_protocolWindow;
    QString m_lastProtocol;
    QString m_lastAutoSaved;
};

} // namespace velunto
