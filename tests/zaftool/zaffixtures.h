#pragma once

// Small builders for icon-font tests: pictures, characters and the prompt's records.

#include "drawscene.h"
#include "fontimage.h"
#include "character.h"
#include "scriptedprompt.h"
#include "testfiles.h"
#include "zafworkspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

inline void writePicture(const QString &path, const QSize &size = QSize(16, 12))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QVERIFY2(image.save(path), qPrintable(path));
}

// A character at `rect` (top-left corner at its position) with key `key`.
inline Character *addChar(FontScene *scene, const QRect &rect, int key)
{
    auto *item = new Character(QRect(0, 0, rect.width(), rect.height()), false);
    item->setPos(rect.topLeft());
    characterFields(item)->asc = key;
    scene->addItem(item);
    return item;
}

inline QStringList dialogKinds(const ScriptedPrompt &prompt)
{
    QStringList list;
    for (const ScriptedPrompt::Dialog &d : prompt.dialogs)
        list.append(d.kind);
    return list;
}

inline QList<int> numbers(const FontImageList &images)
{
    QList<int> list;
    for (const auto &entry : images)
        list.append(entry.first);
    return list;
}

// A temporary project folder, a folder for source pictures, a scripted prompt and a
// workspace, torn down in the order Qt needs.
struct ZafTestProject
{
    ZafTestProject()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(project));
        QVERIFY(QDir().mkpath(sources));
    }
    ~ZafTestProject()
    {
        // Scenes are deleted cheaply only once the event loop has run.
        QCoreApplication::processEvents();
    }

    QString source(const QString &name) const { return sources + QLatin1Char('/') + name; }

    // Makes the project folder the workspace's new project.
    void open()
    {
        prompt.answer(project);
        QVERIFY(ws.newpro());
        QCOMPARE(ws.projectPath, project);
    }

    // Writes the pictures that are missing into the source folder and adds them all
    // through the picture dialog.
    void add(const QStringList &names)
    {
        QStringList files;
        for (const QString &name : names) {
            if (!QFile::exists(source(name)))
                writePicture(source(name));
            files.append(source(name));
        }
        prompt.answer(files);
        ws.openPic();
    }

    FontScene *scene(int number) const { return ws.fontImages.at(number)->scene; }

    QTemporaryDir dir;
    QString project = dir.filePath(QStringLiteral("project"));
    QString sources = dir.filePath(QStringLiteral("sources"));
    ScriptedPrompt prompt;
    ZafWorkspace ws;
};
