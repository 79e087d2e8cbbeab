// The project-file commands of the icon-font workspace.
#include "zafworkspace.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "filebytes.h"
#include "prompt.h"
#include "zafproject.h"
#include "zafprojectcheck.h"

bool ZafWorkspace::save()
{
    return saveFile(projectFile);
}

bool ZafWorkspace::saveAs()
{
    const QString fileName = Prompt::current().getSaveFileName(
        m_dialogParent, tr("另存为"), projectFile, QStringLiteral("*.prozaf"));
    if (fileName.isEmpty())
        return false;
    return saveFile(fileName);
}

bool ZafWorkspace::saveFile(const QString &fileName)
{
    // Written beside the old file and swapped in at the end: an interrupted or failed save
    // leaves the old project whole.
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    writeZafDocument(&buffer, fontImages);
    QString error;
    if (writeWholeFile(fileName, document, &error)) {
        setCurrentFile(fileName);
        Prompt::current().information(m_dialogParent, tr("提示"), tr("保存成功"));
        return true;
    }
    Prompt::current().warning(m_dialogParent, tr("Lumo ZAF"),
        tr("Cannot write file %1:\n%2.").arg(QDir::toNativeSeparators(fileName), error));
    return false;
}

void ZafWorkspace::setCurrentFile(const QString &fileName)
{
    projectFile = QFileInfo(fileName).canonicalFilePath();
    emit projectLabelChanged(QStringLiteral("      ") + projectFile);
}

void ZafWorkspace::open()
{
    const QString fileName = Prompt::current().getOpenFileName(
        m_dialogParent, tr("打开工程文件"), QString(), QStringLiteral("*.prozaf"));
    if (!fileName.isEmpty())
        loadFile(fileName);
}

bool ZafWorkspace::loadFile(const QString &fileName)
{
    QByteArray document;
    QString readError;
    if (!readWholeFile(fileName, &document, &readError)) {
        Prompt::current().warning(m_dialogParent, tr("提示"),
            tr("打开工程 %1:\n%2.").arg(QDir::toNativeSeparators(fileName), readError));
        return false;
    }
    QBuffer file(&document);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    projectFile = fileName;
    emit projectLabelChanged(QStringLiteral("      ") + fileName);
    clearFontImages();
    projectPath = QFileInfo(fileName).absolutePath();
    imagePath = projectPath + QStringLiteral("/images");

    const ZafProjectError error = readZafProject(
        &file, projectPath,
        [this](int number, int encryptionKey, int filter, const QFileInfo &picture) {
            return createScene(number, encryptionKey, filter, picture);
        },
        &fontImages);
    emit tableChanged();
    if (!fontImages.empty())
        addScene(fontImages.begin()->first);
    // A later save would throw away what could not be read, so the user must know.
    if (!error.sound) {
        Prompt::current().warning(m_dialogParent, tr("提示"),
            tr("工程文件 %1 在第%2行第%3列损坏：%4\n只载入了损坏处之前的内容。")
                .arg(QDir::toNativeSeparators(fileName))
                .arg(error.line)
                .arg(error.column)
                .arg(error.text));
    }
    reportDefaults(
        fileName, checkZafDocument(document), error.sound ? 0 : error.line, error.column);
    return true;
}

void ZafWorkspace::reportDefaults(
    const QString &fileName, ReadProblems problems, qint64 breakLine, qint64 breakColumn)
{
    problems = problemsBefore(problems, breakLine, breakColumn);
    if (problems.isEmpty())
        return;
    Prompt::current().warning(m_dialogParent, tr("提示"),
        tr("工程文件 %1 中有些内容未能照原样载入：\n%2\n其余内容已载入；保存会写下现在载入的样子。")
            .arg(QDir::toNativeSeparators(fileName), problemLines(problems)));
}
