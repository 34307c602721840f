#include "common/cp1252.h"
#include "platform/inifile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

TEST(IniFile, SectionsAndKeysIgnoreCaseAndCommentsAreSkipped)
{
    const IniFile ini = IniFile::parse("; Zentrale Einstellungen\r\n"
                                       "[OPTIONEN]\r\n"
                                       "  OptionenDefZentral = 1  \r\n"
                                       ";Tonausgabe=0\r\n"
                                       "tonausgabe=0\r\n"
                                       "Tonausgabe=1\r\n"
                                       "Pfad=C:\\Programme\\a,b;c\r\n"
                                       "Leer=\r\n"
                                       "Zitat=\"  mit Rand  \"\r\n"
                                       "ohne Gleichheitszeichen\r\n"
                                       "[Start]\n"
                                       "Themenordner=/srv/themen\n");
    EXPECT_TRUE(ini.hasSection(QStringLiteral("optionen")));
    EXPECT_EQ(ini.value(QStringLiteral("Optionen"), QStringLiteral("OPTIONENDEFZENTRAL")),
              QStringLiteral("1"));
    // The comment line does not count; the first of two keys wins.
    EXPECT_EQ(ini.value(QStringLiteral("Optionen"), QStringLiteral("Tonausgabe")),
              QStringLiteral("0"));
    // Backslashes, commas and semicolons inside a value stay as written.
    EXPECT_EQ(ini.value(QStringLiteral("Optionen"), QStringLiteral("Pfad")),
              QStringLiteral("C:\\Programme\\a,b;c"));
    EXPECT_EQ(ini.value(QStringLiteral("Optionen"), QStringLiteral("Leer")), QString());
    EXPECT_EQ(ini.value(QStringLiteral("Optionen"), QStringLiteral("Zitat")),
              QStringLiteral("  mit Rand  "));
    EXPECT_EQ(ini.value(QStringLiteral("Start"), QStringLiteral("Themenordner")),
              QStringLiteral("/srv/themen"));
    EXPECT_FALSE(ini.value(QStringLiteral("Start"), QStringLiteral("Tonausgabe")));
    EXPECT_FALSE(ini.value(QStringLiteral("Fehlt"), QStringLiteral("Themenordner")));
}

TEST(IniFile, ReadsUtf8AndFallsBackToCp1252)
{
    const QString text = QStringLiteral("[Optionen]\nRichtigText=Schön ausgefüllt €\n");
    const IniFile utf8 = IniFile::parse(QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    const IniFile cp1252 = IniFile::parse(toCp1252(text));
    const QString expected = QStringLiteral("Schön ausgefüllt €");
    EXPECT_EQ(utf8.value(QStringLiteral("Optionen"), QStringLiteral("RichtigText")), expected);
    EXPECT_EQ(cp1252.value(QStringLiteral("Optionen"), QStringLiteral("RichtigText")), expected);
}

TEST(IniFile, MissingFileIsNoFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(IniFile::load(dir.filePath(QStringLiteral("config.ini"))));
    EXPECT_FALSE(IniFile::load(dir.path())); // a folder is not a file
}
