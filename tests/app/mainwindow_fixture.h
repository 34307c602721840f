#pragma once

#include "app/mainwindow.h"
#include "platform/launcher.h"
#include "platform/prompter.h"
#include "platform/userstore.h"
#include "shell/programfolders.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velunto {

// A main window on temporary program, data and settings folders, answering
// its questions from a script.
struct MainWindowFixture : ::testing::Test
{
    QTemporaryDir dir;
    ProgramFolders folders = ProgramFolders::below(dir.filePath(QStringLiteral("programm")),
                                                   dir.filePath(QStringLiteral("daten")));
    ScriptedPrompter prompter;
    RecordingLauncher launcher;
    std::unique_ptr<UserStore> store;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        QDir().mkpath(folders.program);
        folders.createWritableFolders();
        store = std::make_unique<UserStore>(settingsPath());
    }

    QString settingsPath() const { return dir.filePath(QStringLiteral("config/velunto.ini")); }

    void writeConfigIni(const QByteArray& text)
    {
        QFile file(folders.configFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    MainWindow& start(const QString& commandLine = QString())
    {
        window = std::make_unique<MainWindow>(
            ShellContext{prompter, launcher, *store, folders, commandLine});
        window->firstActivation();
        return *window;
    }

    // The action of a menu entry by caption, searched through submenus.
    QAction* action(const QString& caption) const
    {
        const QList<QAction*> all = window->findChildren<QAction*>();
        for (QAction* a : all)
            if (a->text() == caption)
                return a;
        return nullptr;
    }
};

} // namespace velunto
