#pragma once

#include <QDialog>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velunto {

class Prompter;

struct Settings;
struct TimeLimitSetting;

// The four option dialogs and the document types they serve.
enum class OptionsDialogKind { General, Questions, Cluster, CrossAssign };
OptionsDialogKind optionsDialogKindFor(int dokTyp);
QString optionsDialogTitle(OptionsDialogKind kind);

// The exercise options of one document type. The choices are taken into the
// settings whenever the dialog closes; "Übung starten" closes it with
// Accepted, "Schließen" with Rejected.
class ExerciseOptionsDialog : public QDialog
{
    Q_OBJECT
  public:
    // Heights of the general dialog's reduced and full forms, and how far
    // its bottom stays from the screen's bottom.
    static constexpr int kReducedHeight = 276;
    static constexpr int kFullHeight = 514;
    static constexpr int kScreenBottomGap = 80;

    ExerciseOptionsDialog(int dokTyp, Settings& settings, QWidget* parent = nullptr);

    OptionsDialogKind kind() const { return m_kind; }

    // The panel and title used when the dialog initiates a network exercise.
    void setNetworkInitiation(bool on);
    bool networkPanelShown() const;

    // "Erweitert..." / "Reduziert..." of the general dialog.
    void toggleExtended();
    bool extended() const { return m_extended; }
    QPushButton* extendButton() const { return m_extendButton; }

    QButtonGroup* queryModes() const { return m_queryMode; }
    QButtonGroup* timeModes() const { return m_timeMode; }
    QButtonGroup* onCorrect() const { return m_onCorrect; }
    QButtonGroup* onWrong() const { return m_onWrong; }
    QButtonGroup* cardOrder() const { return m_cardOrder; }
    QButtonGroup* positionOrder() const { return m_positionOrder; }
    QLineEdit* minutes() const { return m_minutes; }
    QLineEdit* seconds() const { return m_seconds; }
    QCheckBox* showBeforeEachExercise() const { return m_showDialog; }
    QCheckBox* answerLength() const { return m_answerLength; }
    QWidget* textEntryPanel() const { return m_textEntryPanel; }
    const std::vector<QGroupBox*>& extendedGroups() const { return m_extendedGroups; }

    void done(int result) override;

  private:
    QButtonGroup* addGroup(QWidget* box, const QStringList& items, int checked);
    QGroupBox* timeGroup(const TimeLimitSetting& time, const QString& limitItem);
    void queryModeChanged();
    void store();

    Settings& m_settings;
    OptionsDialogKind m_kind;
    int m_dokTyp;
    bool m_extended = false;
    QButtonGroup* m_queryMode = nullptr;
    QButtonGroup* m_timeMode = nullptr;
    QButtonGroup* m_onCorrect = nullptr;
    QButtonGroup* m_onWrong = nullptr;
    QButtonGroup* m_cardOrder = nullptr;
    QButtonGroup* m_positionOrder = nullptr;
    QLineEdit* m_minutes = nullptr;
    QLineEdit* m_seconds = nullptr;
    QCheckBox* m_showDialog = nullptr;
    QCheckBox* m_answerLength = nullptr;
    QWidget* m_textEntryPanel = nullptr;
    QLabel* m_networkPanel = nullptr;
    QPushButton* m_extendButton = nullptr;
    std::vector<QGroupBox*> m_extendedGroups;
};

// "Übungs&einstellungen..." (Alt+F7): during a run only the note that the
// options cannot change; otherwise the dialog of the document's type. True
// when it was closed with "Übung starten".
bool openExerciseOptions(int dokTyp, bool exerciseRunning, Settings& settings,
                         Prompter& prompter, QWidget* parent);
QString optionsDuringRunText();

} // namespace velunto
