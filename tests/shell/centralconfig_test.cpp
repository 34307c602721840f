#include "platform/inifile.h"
#include "shell/centralconfig.h"
#include "shell/programfolders.h"
#include "shell/settings.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

Settings apply(const Settings& held, const QString& ini)
{
    Settings s = held;
    applyCentralDefaults(s, IniFile::parse(ini.toUtf8()));
    return s;
}

// Values different from every default, as a user's store might hold them.
Settings userValues()
{
    Settings s;
    s.options = {false, false, false, true, true, false};
    s.documentFont = QStringLiteral("Verdana");
    s.ToolbarSide = 1;
    s.worksheetScale = 80.0;
    s.grading.GradeThreshold[1] = 0.9;
    s.grading.GradeThreshold[2] = 0.8;
    s.exchange.Zugangscode = QStringLiteral("ZUGANG-42");
    s.exchange.Name = QStringLiteral("Frau Berg");
    s.links[0] = {QStringLiteral("/usr/bin/true"), QStringLiteral("Uhr"), QStringLiteral("Uhr")};
    s.folders.chronicle = QStringLiteral("/home/lehrer/chronik/");
    s.network.channel = QStringLiteral("RAUM-3");
    return s;
}

} // namespace

TEST(CentralConfig, ActiveOptionsSectionWithoutKeysKeepsValuesButResetsScale)
{
    const Settings held = userValues();
    const Settings s = apply(held, QStringLiteral("[Optionen]\nOptionenDefZentral=1\n"));
    EXPECT_EQ(s.options.SoundOn, held.options.SoundOn);
    EXPECT_EQ(s.options.AutoSaveProtocol, held.options.AutoSaveProtocol);
    EXPECT_EQ(s.options.ShowResultWindow, held.options.ShowResultWindow);
    EXPECT_EQ(s.documentFont, held.documentFont);
    EXPECT_EQ(s.ToolbarSide, held.ToolbarSide);
    EXPECT_EQ(s.worksheetScale, 100.0);

    const Settings set = apply(held, QStringLiteral("[optionen]\noptionendefzentral=1\n"
                                                    "Tonausgabe=1\nStatusinfo=7\n"
                                                    "Schriftart=Liberation Sans\n"
                                                    "WerkzeugPos=0\nArbeitsblattSkalFak=92,5\n"));
    EXPECT_TRUE(set.options.SoundOn);
    EXPECT_TRUE(set.options.ShowStatusPanel);
    EXPECT_FALSE(set.options.AskParticipantName);
    EXPECT_EQ(set.documentFont, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(set.ToolbarSide, 0);
    EXPECT_EQ(set.worksheetScale, 92.5);
}

TEST(CentralConfig, SectionsWithoutANonZeroSwitchChangeNothing)
{
    const Settings held = userValues();
    for (const char* switchLine : {"", "OptionenDefZentral=0", "OptionenDefZentral=ja"}) {
        const Settings s =
            apply(held, QStringLiteral("[Optionen]\n%1\nTonausgabe=1\nWerkzeugPos=0\n")
                            .arg(QString::fromLatin1(switchLine)));
        EXPECT_EQ(s.options.SoundOn, held.options.SoundOn) << switchLine;
        EXPECT_EQ(s.ToolbarSide, held.ToolbarSide) << switchLine;
        EXPECT_EQ(s.worksheetScale, held.worksheetScale) << switchLine;
    }
}

TEST(CentralConfig, GradingThresholdsArePercentages)
{
    const Settings held = userValues();
    const Settings s = apply(held, QStringLiteral("[Notenskala]\nNotenskalaDefZentral=1\n"
                                                  "Note1=85\nNote3=52,5\nPunkte15=96.0\n"
                                                  "Note4=120\nBewertSkala=3\n"));
    EXPECT_DOUBLE_EQ(s.grading.GradeThreshold[1], 0.85);
    EXPECT_DOUBLE_EQ(s.grading.GradeThreshold[2], held.grading.GradeThreshold[2]);
    EXPECT_DOUBLE_EQ(s.grading.GradeThreshold[3], 0.525);
    EXPECT_DOUBLE_EQ(s.grading.GradeThreshold[4], held.grading.GradeThreshold[4]);
    EXPECT_DOUBLE_EQ(s.grading.PointsThreshold[15], 0.96);
    EXPECT_EQ(s.grading.GradingScaleKind, 3);

    const Settings bad = apply(held, QStringLiteral("[Notenskala]\nNotenskalaDefZentral=1\n"
                                                    "BewertSkala=9\n"));
    EXPECT_EQ(bad.grading.GradingScaleKind, 0);
}

TEST(CentralConfig, ExchangeAccessCodeNeedsAcceptedTerms)
{
    const Settings held = userValues();
    const Settings cleared =
        apply(held, QStringLiteral("[Tauschboerse]\nTauschboerseDefZentral=1\nEmail=a@b.de\n"));
    EXPECT_TRUE(cleared.exchange.Zugangscode.isEmpty());
    EXPECT_EQ(cleared.exchange.Name, held.exchange.Name);
    EXPECT_EQ(cleared.exchange.Email, QStringLiteral("a@b.de"));

    const Settings accepted =
        apply(held, QStringLiteral("[Tauschboerse]\nTauschboerseDefZentral=1\n"
                                   "Zugangscode=SCHULE\nAGB_akzeptiert=1\n"));
    EXPECT_EQ(accepted.exchange.Zugangscode, QStringLiteral("SCHULE"));

    const Settings inactive =
        apply(held, QStringLiteral("[Tauschboerse]\nTauschboerseDefZentral=0\n"));
    EXPECT_EQ(inactive.exchange.Zugangscode, held.exchange.Zugangscode);
}

TEST(CentralConfig, LinkFieldsFallBackPerKey)
{
    const Settings held = userValues();
    const Settings s =
        apply(held, QStringLiteral("[Verknuepfungsfelder]\nVerknuepfungDefZentral=1\n"
                                   "Verknuepfung2Datei=/usr/bin/env\n"
                                   "Verknuepfung2Beschriftung=Env\n"));
    // Missing path keeps; missing caption and tooltip give the defaults.
    EXPECT_EQ(s.links[0].path, held.links[0].path);
    EXPECT_EQ(s.links[0].caption, QStringLiteral("V1"));
    EXPECT_EQ(s.links[0].tooltip, QStringLiteral("Programmverknüpfung 1"));
    EXPECT_EQ(s.links[1], (LinkField{QStringLiteral("/usr/bin/env"), QStringLiteral("Env"),
                                     QStringLiteral("Programmverknüpfung 2")}));
    EXPECT_EQ(s.keyboard.tooltip, QStringLiteral("Bildschirmtastatur"));
    EXPECT_EQ(s.keyboard.path, defaultKeyboardProgram());
}

TEST(CentralConfig, ProxyKeysMissingFromAnActiveSectionAreEmpty)
{
    Settings held;
    held.proxy = {QStringLiteral("alt"), 8080, QStringLiteral("u"), QStringLiteral("p")};
    const Settings s = apply(held, QStringLiteral("[Proxy]\nProxyDefZentral=1\n"
                                                  "ProxyServer=proxy.schule.local\n"));
    EXPECT_EQ(s.proxy.server, QStringLiteral("proxy.schule.local"));
    EXPECT_EQ(s.proxy.port, 0);
    EXPECT_TRUE(s.proxy.user.isEmpty());
    EXPECT_TRUE(s.proxy.password.isEmpty());
}

TEST(CentralConfig, FoldersAreTakenEvenWhenMissingAtStartButNotTheTopicFolder)
{
    QTemporaryDir dir;
    const QString real = dir.path(); // without trailing slash
    const Settings held = userValues();
    const Settings s = apply(held, QStringLiteral("[Ordner]\nOrdnerDefZentral=1\n"
                                                  "OrdnerChronik=/gibt/es/nicht\n"
                                                  "OrdnerProtokoll=%1\n"
                                                  "[NetzKom]\nNetzKomDefZentral=1\n"
                                                  "NetzKomOrdner=%1\nNetzKomVerfahren=2\n"
                                                  "[Start]\nThemenordner=%1\n")
                                       .arg(real));
    EXPECT_EQ(s.folders.chronicle, QStringLiteral("/gibt/es/nicht/")); // checked when used
    EXPECT_EQ(s.folders.protocol, real + u'/');
    EXPECT_EQ(s.network.folder, real + u'/');
    EXPECT_EQ(s.network.channel, held.network.channel);
    EXPECT_EQ(s.network.method, 0);
    EXPECT_EQ(s.startTopicFolder, real + u'/');

    const Settings missing = apply(held, QStringLiteral("[Start]\nThemenordner=/gibt/es/nicht\n"));
    EXPECT_TRUE(missing.startTopicFolder.isEmpty());
}
