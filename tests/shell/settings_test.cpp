#include "platform/inifile.h"
#include "platform/userstore.h"
#include "shell/centralconfig.h"
#include "shell/programfolders.h"
#include "shell/settings.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

struct StoreFixture : ::testing::Test
{
    QTemporaryDir dir;
    ProgramFolders folders = ProgramFolders::below(dir.filePath(QStringLiteral("programm")),
                                                   dir.filePath(QStringLiteral("daten")));
    QString storePath = dir.filePath(QStringLiteral("config/velunto.ini"));

    void SetUp() override { folders.createWritableFolders(); }

    // Every stored value as text, as the store would receive it.
    std::map<QString, QString> texts(const Settings& s)
    {
        QTemporaryDir scratch;
        UserStore store(scratch.filePath(QStringLiteral("s.ini")));
        saveSettings(s, store);
        EXPECT_TRUE(store.commit());
        const UserStore written(store.filePath());
        std::map<QString, QString> result;
        for (const QString& name : storedSettingNames())
            result[name] = written.read(name).value_or(QStringLiteral("<fehlt>"));
        return result;
    }
};

} // namespace

TEST_F(StoreFixture, FirstStartGivesTheDefaultsAndCloseStoresEveryValue)
{
    const Settings defaults = Settings::defaults(folders);
    Settings loaded = defaults;
    loadSettings(loaded, UserStore(storePath)); // no file yet
    EXPECT_EQ(texts(loaded), texts(defaults));

    UserStore store(storePath);
    saveSettings(loaded, store);
    ASSERT_TRUE(store.commit());
    const UserStore written(storePath);

    // The names are what other installations and older versions read.
    QStringList expected = {"Opt-Sound",
                            "Opt-UebNameEingabe",
                            "Opt-UebStatusInfo",
                            "Opt-AutoProtSpeichern",
                            "Opt-ErgebBestListEintragen",
                            "Opt-UebErgebAnzeigen",
                            "NetzKomOrdner",
                            "NetzKomKanal",
                            "NetzKomVerfahren",
                            "NetzKom-Port",
                            "Opt-ChronikOrdner",
                            "Opt-TauschboerseOrdner",
                            "Opt-ProtOrdner",
                            "Opt-BestListOrdner",
                            "Opt-BilderGalerieOrdner",
                            "Opt-VerknuepfungT",
                            "Opt-VerknuepfungHintT",
                            "Opt-WerkzeugPos",
                            "StartUpdatePruefen",
                            "Opt-BewertSkala",
                            "Opt-Schriftart",
                            "Opt-Uebungsrueckmeldung-RichtigTonDatei",
                            "Opt-Uebungsrueckmeldung-FalschTonDatei",
                            "Opt-Uebungsrueckmeldung-RichtigText",
                            "Opt-Uebungsrueckmeldung-FalschText",
                            "Opt-Uebungsrueckmeldung-MCRichtigText",
                            "Opt-Uebungsrueckmeldung-MCFalschText",
                            "Opt-Uebungsrueckmeldung-MCFehlendText",
                            "Opt-ArbeitsblattSkalFak",
                            "UebOpt-AbfrageModus",
                            "UebOpt-ZeitLimit",
                            "UebOpt-ZLimitMin",
                            "UebOpt-ZLimitSek",
                            "UebOpt-ZuordnungRichtig",
                            "UebOpt-ZuordnungFalsch",
                            "UebOpt-Zuordnungstexte",
                            "UebOpt-Zuordnungsziele",
                            "UebOpt-AnzZeichenVorgeben",
                            "UebOptFragen-ZuordnungFalsch",
                            "UebOptFragen-Zuordnungstexte",
                            "UebOptFragen-Zeitlimit",
                            "UebOptFragen-ZLimitMin",
                            "UebOptFragen-ZLimitSek",
                            "UebOptFragen-Zuordnungsziele",
                            "UebOptKorb-AbfrageModus",
                            "UebOptKorb-Zeitlimit",
                            "UebOptKorb-ZLimitMin",
                            "UebOptKorb-ZLimitSek",
                            "TB-Benutzer",
                            "TB-Name",
                            "TB-Email",
                            "TB-Zugangscode",
                            "TB-Kennwort",
                            "Dok-SeitRatioArt",
                            "Dok-SeitRatioBreite",
                            "Dok-SeitRatioHoehe",
                            "Dok-SeitRatioNeuesBlattVollflaeche",
                            "EditorSchriftart-FontName",
                            "EditorSchriftart-FontSize",
                            "EditorSchriftart-FontFett",
                            "Symbolstempel-Zeichen",
                            "Opt-Themenordner"};
    for (int k = 1; k <= 3; ++k)
        expected << QStringLiteral("Opt-Verknuepfung%1").arg(k)
                 << QStringLiteral("Opt-VerknuepfungName%1").arg(k)
                 << QStringLiteral("Opt-VerknuepfungHint%1").arg(k);
    for (int k = 1; k <= 5; ++k)
        expected << QStringLiteral("Opt-NoteMinQuote%1").arg(k);
    for (int k = 1; k <= 15; ++k)
        expected << QStringLiteral("Opt-PunkteMinQuote%1").arg(k);
    for (int k = 1; k <= 10; ++k)
        expected << QStringLiteral("Symbolstempel-Fontname%1").arg(k);
    for (const QString& name : expected)
        EXPECT_TRUE(written.read(name)) << name.toStdString();
    EXPECT_EQ(storedSettingNames().size(), expected.size());

    const std::pair<const char*, QString> values[] = {
        {"Opt-Sound", "1"},
        {"Opt-AutoProtSpeichern", "0"},
        {"Opt-UebErgebAnzeigen", "1"},
        {"NetzKomOrdner", folders.communication},
        {"NetzKomKanal", "VELUNT-1"},
        {"NetzKomVerfahren", "1"},
        {"Opt-ChronikOrdner", folders.chronicle},
        {"Opt-BilderGalerieOrdner", folders.gallery},
        {"Opt-VerknuepfungName2", "V2"},
        {"Opt-VerknuepfungHint3", QStringLiteral("Programmverknüpfung 3")},
        {"Opt-VerknuepfungHintT", "Bildschirmtastatur"},
        {"Opt-NoteMinQuote1", "0.85"},
        {"Opt-NoteMinQuote5", "0.25"},
        {"Opt-PunkteMinQuote1", "0.25"},
        {"Opt-PunkteMinQuote15", "0.95"},
        {"Opt-BewertSkala", "0"},
        {"Opt-Schriftart", "Arial"},
        {"Opt-Uebungsrueckmeldung-FalschTonDatei", "falsch1.wav"},
        {"Opt-Uebungsrueckmeldung-MCFehlendText", "Fehlend:"},
        {"Opt-ArbeitsblattSkalFak", "100"},
        {"UebOpt-ZLimitMin", "3"},
        {"UebOpt-Zuordnungsziele", "1"},
        {"UebOptFragen-Zuordnungstexte", "1"},
        {"Dok-SeitRatioBreite", "10"},
        {"Dok-SeitRatioHoehe", "7"},
        {"Dok-SeitRatioNeuesBlattVollflaeche", "1"},
        {"EditorSchriftart-FontSize", "10"},
        {"Symbolstempel-Zeichen", QStringLiteral("üû«JKL+-rf")},
        {"Symbolstempel-Fontname6", "Wingdings"},
        {"Symbolstempel-Fontname7", "Arial"},
    };
    for (const auto& [name, text] : values)
        EXPECT_EQ(written.read(QString::fromLatin1(name)), text) << name;
}

TEST_F(StoreFixture, ChangedValuesComeBackAndTheEditorFontDoesNot)
{
    Settings changed = Settings::defaults(folders);
    changed.options.SoundOn = false;
    changed.network.channel = QStringLiteral("RAUM-12");
    changed.network.method = 0;
    changed.folders.protocol = withTrailingSlash(dir.path());
    changed.links[1] = {QStringLiteral("/usr/bin/true"), QStringLiteral("Rechner"),
                        QStringLiteral("Taschenrechner, wissenschaftlich")};
    changed.ToolbarSide = 1;
    changed.grading.GradeThreshold[3] = 0.5;
    changed.grading.GradingScaleKind = 4;
    changed.worksheetScale = 87.5;
    changed.generalOptions.QueryMode = 3;
    changed.generalOptions.time = {1, 0, 45};
    changed.questionOptions.PositionOrder = 0;
    changed.clusterOptions.time.minutes = 12;
    changed.exchange.Zugangscode = QStringLiteral("abc#1");
    changed.pageRatio = {0, 10, 12};
    changed.stamps.characters = QStringLiteral("0123456789");
    changed.editorFont = {QStringLiteral("Verdana"), 12, true};

    UserStore store(storePath);
    saveSettings(changed, store);
    ASSERT_TRUE(store.commit());

    Settings loaded = Settings::defaults(folders);
    loadSettings(loaded, UserStore(storePath));
    Settings expected = changed;
    expected.editorFont = EditorFont{}; // written, never read
    EXPECT_EQ(texts(loaded), texts(expected));
}

TEST_F(StoreFixture, UnusableStoredValuesKeepTheDefault)
{
    const std::pair<const char*, const char*> bad[] = {
        {"Opt-WerkzeugPos", "2"},
        {"Opt-BewertSkala", "5"},
        {"UebOpt-AbfrageModus", "4"},
        {"UebOpt-Zuordnungsziele", "-1"},
        {"UebOptKorb-AbfrageModus", "2"},
        {"UebOptFragen-Zuordnungsziele", "2"},
        {"UebOpt-ZeitLimit", "3"},
        {"UebOpt-ZLimitMin", "60"},
        {"UebOpt-ZLimitSek", "x"},
        {"Opt-NoteMinQuote1", "1.5"},
        {"Opt-PunkteMinQuote4", "nan"},
        {"Opt-ArbeitsblattSkalFak", "0"},
        {"Dok-SeitRatioHoehe", "0"},
        {"Dok-SeitRatioArt", "7"},
        {"Opt-Sound", "ja"},
        {"NetzKomOrdner", ""},
        {"Opt-ProtOrdner", "  "},
        {"Symbolstempel-Zeichen", "abc"},
        {"NetzKom-Port", "70000"},
    };
    UserStore store(storePath);
    for (const auto& [name, text] : bad)
        store.write(QString::fromLatin1(name), QString::fromLatin1(text));
    ASSERT_TRUE(store.commit());

    const Settings defaults = Settings::defaults(folders);
    Settings loaded = defaults;
    loadSettings(loaded, UserStore(storePath));
    EXPECT_EQ(texts(loaded), texts(defaults));
}

TEST_F(StoreFixture, FolderSettingsSurviveAStartWhileTheirFoldersAreMissing)
{
    // The share and the stick are not mounted at this start.
    const std::pair<const char*, QString> stored[] = {
        {"NetzKomOrdner", "/mnt/schulnetz/kom/"},
        {"Opt-ChronikOrdner", "/media/lehrer/STICK/chronik"},
        {"Opt-TauschboerseOrdner", "/mnt/schulnetz/tausch/"},
        {"Opt-ProtOrdner", "/mnt/schulnetz/protokolle/"},
        {"Opt-BestListOrdner", "/mnt/schulnetz/bestenlisten/"},
        {"Opt-BilderGalerieOrdner", "/media/lehrer/STICK/bilder/"},
    };
    UserStore store(storePath);
    for (const auto& [name, text] : stored)
        store.write(QString::fromLatin1(name), text);
    ASSERT_TRUE(store.commit());

    Settings loaded = Settings::defaults(folders);
    loadSettings(loaded, UserStore(storePath));
    EXPECT_EQ(loaded.folders.chronicle, QStringLiteral("/media/lehrer/STICK/chronik/"));
    EXPECT_EQ(loaded.network.folder, QStringLiteral("/mnt/schulnetz/kom/"));

    // Written back at close as they were read.
    UserStore back(dir.filePath(QStringLiteral("config/zurueck.ini")));
    saveSettings(loaded, back);
    ASSERT_TRUE(back.commit());
    const UserStore written(back.filePath());
    for (const auto& [name, text] : stored)
        EXPECT_EQ(written.read(QString::fromLatin1(name)), withTrailingSlash(text)) << name;
}

TEST_F(StoreFixture, FeedbackTextsReachTheirOwnFields)
{
    // A swap of two names keeps every round trip intact; only reading
    // distinct values into named fields shows it.
    const struct
    {
        const char* key; // "Opt-Uebungsrueckmeldung-" + key in the store, key in config.ini
        QString FeedbackSettings::*field;
    } rows[] = {
        {"RichtigTonDatei", &FeedbackSettings::CorrectSoundFile},
        {"FalschTonDatei", &FeedbackSettings::WrongSoundFile},
        {"RichtigText", &FeedbackSettings::CorrectText},
        {"FalschText", &FeedbackSettings::WrongText},
        {"MCRichtigText", &FeedbackSettings::McRightTicksLabel},
        {"MCFalschText", &FeedbackSettings::McWrongTicksLabel},
        {"MCFehlendText", &FeedbackSettings::McMissingTicksLabel},
    };
    UserStore store(storePath);
    QString ini = QStringLiteral("[Uebungsrueckmeldung]\nUebungsrueckmeldungDefZentral=1\n");
    for (const auto& row : rows) {
        const QString key = QString::fromLatin1(row.key);
        store.write(QStringLiteral("Opt-Uebungsrueckmeldung-") + key,
                    QStringLiteral("user ") + key);
        ini += key + QStringLiteral("=central ") + key + u'\n';
    }
    ASSERT_TRUE(store.commit());

    Settings s = Settings::defaults(folders);
    loadSettings(s, UserStore(storePath));
    for (const auto& row : rows)
        EXPECT_EQ(s.feedback.*row.field, QStringLiteral("user ") + QString::fromLatin1(row.key));
    applyCentralDefaults(s, IniFile::parse(ini.toUtf8()));
    for (const auto& row : rows)
        EXPECT_EQ(s.feedback.*row.field, QStringLiteral("central ") + QString::fromLatin1(row.key));
}

TEST_F(StoreFixture, AnyChannelMethodOtherThanOneMeansTheFolderAlone)
{
    UserStore store(storePath);
    store.write(QStringLiteral("netzkomverfahren"), QStringLiteral("5"));
    ASSERT_TRUE(store.commit());
    Settings loaded = Settings::defaults(folders);
    loadSettings(loaded, UserStore(storePath));
    EXPECT_EQ(loaded.network.method, 0);
}
