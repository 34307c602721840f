#include "shell/settingsstore.h"

#include "platform/userstore.h"
#include "shell/programfolders.h"
#include "shell/settings.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <variant>
#include <vector>

namespace velunto {

namespace {

struct IntField
{
    int* value;
    int min = std::numeric_limits<int>::min();
    int max = std::numeric_limits<int>::max();
    bool asText = false; // stored as a String ("UebOpt-ZLimitMin" ...)
};

struct FloatField
{
    double* value;
    double min = -std::numeric_limits<double>::max();
    double max = std::numeric_limits<double>::max();
};

struct TextField
{
    QString* value;
    bool folder = false;   // a folder: "/" appended, blank keeps the held value
    int minimumLength = 0; // shorter texts keep the held value
};

struct Entry
{
    QString name;
    std::variant<bool*, IntField, FloatField, TextField> field;
    bool readable = true;
};

std::vector<Entry> table(Settings& s)
{
    std::vector<Entry> t;
    const auto boolean = [&](const QString& name, bool* v) { t.push_back({name, v}); };
    const auto integer = [&](const QString& name, int* v, int lo, int hi) {
        t.push_back({name, IntField{v, lo, hi}});
    };
    const auto anyInt = [&](const QString& name, int* v) { t.push_back({name, IntField{v}}); };
    const auto text = [&](const QString& name, QString* v) { t.push_back({name, TextField{v}}); };
    const auto folder = [&](const QString& name, QString* v) {
        t.push_back({name, TextField{v, true}});
    };
    const auto fraction = [&](const QString& name, double* v) {
        t.push_back({name, FloatField{v, 0.0, 1.0}});
    };
    const auto timeLimit = [&](const QString& prefix, const QString& modeName,
                               TimeLimitSetting& time) {
        integer(prefix + modeName, &time.TimeMode, 0, 2);
        t.push_back({prefix + QStringLiteral("ZLimitMin"), IntField{&time.minutes, 0, 59, true}});
        t.push_back({prefix + QStringLiteral("ZLimitSek"), IntField{&time.seconds, 0, 59, true}});
    };

    boolean(QStringLiteral("Opt-Sound"), &s.options.SoundOn);
    boolean(QStringLiteral("Opt-UebNameEingabe"), &s.options.AskParticipantName);
    boolean(QStringLiteral("Opt-UebStatusInfo"), &s.options.ShowStatusPanel);
    boolean(QStringLiteral("Opt-AutoProtSpeichern"), &s.options.AutoSaveProtocol);
    boolean(QStringLiteral("Opt-ErgebBestListEintragen"), &s.options.AutoBestListEntry);
    boolean(QStringLiteral("Opt-UebErgebAnzeigen"), &s.options.ShowResultWindow);
    folder(QStringLiteral("NetzKomOrdner"), &s.network.folder);
    text(QStringLiteral("NetzKomKanal"), &s.network.channel);
    anyInt(QStringLiteral("NetzKomVerfahren"), &s.network.method);
    integer(QStringLiteral("NetzKom-Port"), &s.network.port, 1, 65535);
    folder(QStringLiteral("Opt-ChronikOrdner"), &s.folders.chronicle);
    folder(QStringLiteral("Opt-TauschboerseOrdner"), &s.folders.exchange);
    folder(QStringLiteral("Opt-ProtOrdner"), &s.folders.protocol);
    folder(QStringLiteral("Opt-BestListOrdner"), &s.folders.bestList);
    folder(QStringLiteral("Opt-BilderGalerieOrdner"), &s.folders.gallery);
    folder(QStringLiteral("Opt-Themenordner"), &s.chosenTopicFolder);
    for (int i = 0; i < 3; ++i)
        text(QStringLiteral("Opt-Verknuepfung%1").arg(i + 1), &s.links[i].path);
    for (int i = 0; i < 3; ++i)
        text(QStringLiteral("Opt-VerknuepfungName%1").arg(i + 1), &s.links[i].caption);
    for (int i = 0; i < 3; ++i)
        text(QStringLiteral("Opt-VerknuepfungHint%1").arg(i + 1), &s.links[i].tooltip);
    text(QStringLiteral("Opt-VerknuepfungT"), &s.keyboard.path);
    text(QStringLiteral("Opt-VerknuepfungHintT"), &s.keyboard.tooltip);
    integer(QStringLiteral("Opt-WerkzeugPos"), &s.ToolbarSide, 0, 1);
    boolean(QStringLiteral("StartUpdatePruefen"), &s.checkUpdateAtStart);
    for (int k = 1; k <= 5; ++k)
        fraction(QStringLiteral("Opt-NoteMinQuote%1").arg(k), &s.grading.GradeThreshold[k]);
    for (int k = 1; k <= 15; ++k)
        fraction(QStringLiteral("Opt-PunkteMinQuote%1").arg(k), &s.grading.PointsThreshold[k]);
    integer(QStringLiteral("Opt-BewertSkala"), &s.grading.GradingScaleKind, 0, 4);
    text(QStringLiteral("Opt-Schriftart"), &s.documentFont);

    const QString feedback = QStringLiteral("Opt-Uebungsrueckmeldung-");
    text(feedback + QStringLiteral("RichtigTonDatei"), &s.feedback.CorrectSoundFile);
    text(feedback + QStringLiteral("FalschTonDatei"), &s.feedback.WrongSoundFile);
    text(feedback + QStringLiteral("RichtigText"), &s.feedback.CorrectText);
    text(feedback + QStringLiteral("FalschText"), &s.feedback.WrongText);
    text(feedback + QStringLiteral("MCRichtigText"), &s.feedback.McRightTicksLabel);
    text(feedback + QStringLiteral("MCFalschText"), &s.feedback.McWrongTicksLabel);
    text(feedback + QStringLiteral("MCFehlendText"), &s.feedback.McMissingTicksLabel);
    t.push_back(
        {QStringLiteral("Opt-ArbeitsblattSkalFak"), FloatField{&s.worksheetScale, 1.0, 1000.0}});

    GeneralExerciseOptions& g = s.generalOptions;
    const QString general = QStringLiteral("UebOpt-");
    integer(general + QStringLiteral("AbfrageModus"), &g.QueryMode, 0, 3);
    timeLimit(general, QStringLiteral("ZeitLimit"), g.time);
    integer(general + QStringLiteral("ZuordnungRichtig"), &g.OnCorrect, 0, 1);
    integer(general + QStringLiteral("ZuordnungFalsch"), &g.OnWrong, 0, 1);
    integer(general + QStringLiteral("Zuordnungstexte"), &g.CardOrder, 0, 1);
    integer(general + QStringLiteral("Zuordnungsziele"), &g.PositionOrder, 0, 2);
    boolean(general + QStringLiteral("AnzZeichenVorgeben"), &g.ShowAnswerLength);

    QuestionExerciseOptions& q = s.questionOptions;
    const QString questions = QStringLiteral("UebOptFragen-");
    integer(questions + QStringLiteral("ZuordnungFalsch"), &q.OnWrong, 0, 1);
    integer(questions + QStringLiteral("Zuordnungstexte"), &q.CardOrder, 0, 1);
    timeLimit(questions, QStringLiteral("Zeitlimit"), q.time);
    integer(questions + QStringLiteral("Zuordnungsziele"), &q.PositionOrder, 0, 1);

    ClusterExerciseOptions& c = s.clusterOptions;
    const QString cluster = QStringLiteral("UebOptKorb-");
    integer(cluster + QStringLiteral("AbfrageModus"), &c.QueryMode, 0, 1);
    timeLimit(cluster, QStringLiteral("Zeitlimit"), c.time);

    text(QStringLiteral("TB-Benutzer"), &s.exchange.Benutzer);
    text(QStringLiteral("TB-Name"), &s.exchange.Name);
    text(QStringLiteral("TB-Email"), &s.exchange.Email);
    text(QStringLiteral("TB-Zugangscode"), &s.exchange.Zugangscode);
    text(QStringLiteral("TB-Kennwort"), &s.exchange.Kennwort);

    integer(QStringLiteral("Dok-SeitRatioArt"), &s.pageRatio.art, 0, 1);
    integer(QStringLiteral("Dok-SeitRatioBreite"), &s.pageRatio.breite, 1, 10000);
    integer(QStringLiteral("Dok-SeitRatioHoehe"), &s.pageRatio.hoehe, 1, 10000);
    boolean(QStringLiteral("Dok-SeitRatioNeuesBlattVollflaeche"), &s.newSheetFullPage);

    t.push_back(
        {QStringLiteral("EditorSchriftart-FontName"), TextField{&s.editorFont.name}, false});
    t.push_back({QStringLiteral("EditorSchriftart-FontSize"), IntField{&s.editorFont.size}, false});
    t.push_back({QStringLiteral("EditorSchriftart-FontFett"), &s.editorFont.bold, false});

    t.push_back({QStringLiteral("Symbolstempel-Zeichen"),
                 TextField{&s.stamps.characters, false, kStampCount}});
    for (int k = 0; k < kStampCount; ++k)
        text(QStringLiteral("Symbolstempel-Fontname%1").arg(k + 1), &s.stamps.fonts[k]);
    return t;
}

std::optional<int> parseInt(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

void readInto(bool* v, const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true"))
        *v = true;
    else if (t == QLatin1String("false"))
        *v = false;
    else if (const auto i = parseInt(t))
        *v = *i != 0;
}

void readInto(const IntField& f, const QString& text)
{
    const auto i = parseInt(text);
    if (i && *i >= f.min && *i <= f.max)
        *f.value = *i;
}

void readInto(const FloatField& f, const QString& text)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (ok && std::isfinite(d) && d >= f.min && d <= f.max)
        *f.value = d;
}

void readInto(const TextField& f, const QString& text)
{
    if (f.folder) {
        if (const QString folder = folderSetting(text); !folder.isEmpty())
            *f.value = folder;
        return;
    }
    if (text.size() >= f.minimumLength)
        *f.value = text;
}

QString textOf(bool* v)
{
    return *v ? QStringLiteral("1") : QStringLiteral("0");
}
QString textOf(const IntField& f)
{
    return QString::number(*f.value);
}
QString textOf(const FloatField& f)
{
    return QString::number(*f.value, 'g', QLocale::FloatingPointShortest);
}
QString textOf(const TextField& f)
{
    return *f.value;
}

} // namespace

void loadSettings(Settings& settings, const UserStore& store)
{
    for (const Entry& e : table(settings)) {
        if (!e.readable)
            continue;
        if (const auto text = store.read(e.name))
            std::visit([&](const auto& field) { readInto(field, *text); }, e.field);
    }
    // Every method other than 1 means the folder alone, written as 0.
    if (settings.network.method != 1)
        settings.network.method = 0;
}

void saveSettings(const Settings& settings, UserStore& store)
{
    Settings copy = settings;
    for (const Entry& e : table(copy))
        store.write(e.name, std::visit([](const auto& field) { return textOf(field); }, e.field));
}

QStringList storedSettingNames()
{
    Settings scratch;
    QStringList names;
    for (const Entry& e : table(scratch))
        names << e.name;
    return names;
}

} // namespace velunto
