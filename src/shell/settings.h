#pragma once

#include "document/document.h"

#include <QString>

#include <array>

namespace velunto {

struct ProgramFolders;

// The six option switches of the menu "&Optionen".
struct ExerciseSwitches
{
    bool SoundOn = true;
    bool AskParticipantName = true;
    bool ShowStatusPanel = true;
    bool AutoSaveProtocol = false;
    bool AutoBestListEntry = false;
    bool ShowResultWindow = true;
};

struct NetworkChannelSettings
{
    QString folder; // communication folder
    QString channel = QStringLiteral("VELUNT-1");
    int method = 1; // 1 combined (datagrams and folder), 0 folder only
    int port = 47800;
};

// The folders that users may choose; each holds the folder's path.
struct FolderSettings
{
    QString chronicle;
    QString exchange;
    QString protocol;
    QString bestList;
    QString gallery;
};

// One of the three free link fields "V1" to "V3"; the on-screen-keyboard
// button uses path and tooltip only.
struct LinkField
{
    QString path;
    QString caption;
    QString tooltip;
    bool operator==(const LinkField&) const = default;
};

struct GradingScale
{
    // Entry k is the minimum performance for grade k; entries 0 and 6 fixed.
    std::array<double, 7> GradeThreshold = {1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
    // Entry k is the minimum performance for k points; entries 0 and 16 fixed.
    std::array<double, 17> PointsThreshold = defaultPointsThresholds();
    int GradingScaleKind = 0;

    static std::array<double, 17> defaultPointsThresholds();
};

struct FeedbackSettings
{
    QString CorrectSoundFile = QStringLiteral("richtig1.wav");
    QString WrongSoundFile = QStringLiteral("falsch1.wav");
    QString CorrectText = QStringLiteral("Richtig!");
    QString WrongText = QStringLiteral("Falsch!");
    QString McRightTicksLabel = QStringLiteral("Richtig:");
    QString McWrongTicksLabel = QStringLiteral("Falsch:");
    QString McMissingTicksLabel = QStringLiteral("Fehlend:");
};

struct TimeLimitSetting
{
    int TimeMode = 0; // 0 clock without limit, 1 limit, 2 neither
    int minutes = 3;
    int seconds = 0;
};

// Options of assignment, cloze and crossword exercises.
struct GeneralExerciseOptions
{
    int QueryMode = 0;
    TimeLimitSetting time;
    int OnCorrect = 0;
    int OnWrong = 0;
    int CardOrder = 1;
    int PositionOrder = 1;
    bool ShowAnswerLength = false;
};

// Options of single-question and multiple-choice exercises.
struct QuestionExerciseOptions
{
    int OnWrong = 0;
    int CardOrder = 1;
    int PositionOrder = 1;
    TimeLimitSetting time;
};

struct ClusterExerciseOptions
{
    int QueryMode = 0;
    TimeLimitSetting time;
};

struct ExchangeAccount
{
    QString Benutzer; // client identity; created by the exchange client when empty
    QString Name;
    QString Email;
    QString Zugangscode;
    QString Kennwort;
};

// Set only by the central configuration file, never stored per user.
struct ProxySettings
{
    QString server;
    int port = 0;
    QString user;
    QString password;
};

struct EditorFont
{
    QString name = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
};

constexpr int kStampCount = 10;

struct StampSettings
{
    QString characters = QStringLiteral("üû«JKL+-rf"); // character k for stamp k
    std::array<QString, kStampCount> fonts = defaultFonts();

    static std::array<QString, kStampCount> defaultFonts();
};

// Every program-wide setting. The per-user store keeps all of them except the
// proxy, "LogPixels" and the start topic folder; "config.ini" may override
// groups of them for all users of an installation.
struct Settings
{
    ExerciseSwitches options;
    NetworkChannelSettings network;
    FolderSettings folders;
    std::array<LinkField, 3> links = defaultLinks();
    LinkField keyboard;  // on-screen-keyboard button (path, tooltip)
    int ToolbarSide = 0; // 0 right, 1 left
    bool checkUpdateAtStart = false;
    GradingScale grading;
    QString documentFont = QStringLiteral("Arial");
    FeedbackSettings feedback;
    double worksheetScale = 100.0; // percent
    GeneralExerciseOptions generalOptions;
    QuestionExerciseOptions questionOptions;
    ClusterExerciseOptions clusterOptions;
    ExchangeAccount exchange;
    PageRatioPresets pageRatio;
    bool newSheetFullPage = true;
    EditorFont editorFont;
    StampSettings stamps;
    // The topic folder last chosen with "&Ordner wählen..."; where the next
    // start opens unless the command line or "config.ini" names one. Empty
    // until a folder was chosen.
    QString chosenTopicFolder;

    // Not stored per user.
    TimeLimitSetting crossAssignTime; // back to 3 minutes at every start
    bool ShowOptionsDialog = true;    // shared by the four option dialogs
    int logPixels = 96;
    ProxySettings proxy;
    QString startTopicFolder; // "Themenordner" of "config.ini"

    // The defaults of a first start with these folders.
    static Settings defaults(const ProgramFolders& folders);
    static std::array<LinkField, 3> defaultLinks();
    static LinkField defaultLink(int index); // 0..2
    static LinkField defaultKeyboard();
};

// The on-screen keyboard program found on this computer, or empty.
QString defaultKeyboardProgram();

} // namespace velunto
