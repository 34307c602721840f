#pragma once

// A temporary folder of topic documents for the library tests.

#include "document/document.h"
#include "document/documentfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velunto::testing {

struct TopicFolder
{
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    QString folder() const { return dir.path() + u'/'; }

    // A small saved document with this title; returns its path.
    QString add(const QString& name, const QString& title)
    {
        Document doc;
        doc.header.Titel = title;
        return add(name, doc);
    }

    QString add(const QString& name, Document& doc)
    {
        const QString file = path(name);
        EXPECT_TRUE(saveDocument(doc, file).ok) << name.toStdString();
        return file;
    }

    void addRaw(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace velunto::testing
