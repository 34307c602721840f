#pragma once

#include <QString>

namespace velunto {

// The program's folders, all ending with "/". Read-only resources (sounds,
// help pages, picture gallery, sample documents, "config.ini") lie in the
// program folder: the installed share folder, or the source tree's data
// folder when the program runs from its build tree. Everything the program
// writes lies below the user's data folder, the teacher's own topic folder
// too.
struct ProgramFolders
{
    QString program; // resources; base of "config.ini" and of link resolution
    QString sound;
    QString help;
    QString gallery;
    QString configFile; // program + "config.ini"
    QString samples;    // program + "beispiele/": the sample topic documents

    QString userData;
    QString chronicle;
    QString exchange;
    QString protocols;
    QString bestLists;
    QString communication;
    QString topics; // the topic folder when neither the command line nor config.ini names one

    // VELUNTO_RESOURCE_DIR and VELUNTO_DATA_DIR override the two bases.
    static ProgramFolders locate(const QString& applicationDir);
    static ProgramFolders below(const QString& resourceDir, const QString& dataDir);

    // Creates the writable folders that do not exist yet.
    void createWritableFolders() const;

    // The teacher's topic folder, made at its first use with a copy of the
    // sample documents, so that the first start shows documents and "Save
    // as" starts in a folder the teacher may write to. Once it exists it is
    // taken as it is: documents the teacher deleted do not come back. Empty
    // when it cannot be made.
    QString userTopicFolder() const;
};

// path with "/" appended when missing; empty stays empty.
QString withTrailingSlash(const QString& path);

// The absolute form of folder with "/" appended, or empty when folder is
// empty or names no existing folder.
QString existingFolder(const QString& folder);

// A folder setting as stored or configured, with "/" appended; empty when the
// text is blank. Whether the folder exists is not asked here: a network share
// or a USB stick that is missing at start must not cost the teacher the
// setting, so each use checks the folder and reports it there.
QString folderSetting(const QString& text);

} // namespace velunto
