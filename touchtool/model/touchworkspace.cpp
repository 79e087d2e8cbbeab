#include "touchworkspace.h"

#include "drawscene.h"
#include "drawtool.h"
#include "filebytes.h"
#include "pagepicture.h"
#include "pagescene.h"
#include "picturenumber.h"
#include "projectinfo.h"
#include "prompt.h"
#include "touchareas.h"
#include "touchlog.h"
#include "touchpages.h"
#include "touchproject.h"
#include "touchprojectcheck.h"
#include "touchrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The preview's copy of the pages must not outlive them.
void forgetInPreview(const PicMsg *page)
{
    PageMap &shown = ProjectInfo::instance()->pages;
    for (auto it = shown.begin(); it != shown.end();) {
        if (it.value() == page)
            it = shown.erase(it);
        else
            ++it;
    }
}

} // namespace

TouchWorkspace::TouchWorkspace(QObject *parent)
    : QObject(parent)
{
    // The touch areas consult the preview state from their first paint on.
    ProjectInfo::instance();
    qRegisterMetaType<PageScene *>();
}

TouchWorkspace::~TouchWorkspace()
{
    for (const PicMsg *page : qAsConst(pages))
        forgetInPreview(page);
    deletePages(&pages);
}

bool TouchWorkspace::checkFile(const QFileInfo &finfo)
{
    return isPagePicture(finfo);
}

QString TouchWorkspace::pageNumberDigits(const QString &filename)
{
    return pictureNumberDigits(filename);
}

PageScene *TouchWorkspace::createScene(int index, const QFileInfo &finfo)
{
    Q_UNUSED(index)
    auto *scene = new PageScene(finfo);
    emit sceneCreated(scene);
    return scene;
}

void TouchWorkspace::addPic(const QStringList &picList, int &wrongNum)
{
    for (const QString &name : picList) {
        const QFileInfo finfo(name);
        if (!checkFile(finfo))
            continue;
        const QString digits = pageNumberDigits(finfo.fileName());
        if (digits.isEmpty() || pages.contains(digits.toInt())) {
            ++wrongNum;
            continue;
        }
        // Taken, such a page would decode to gigabytes at every paint.
        if (const QString problem = pagePictureProblem(finfo.absoluteFilePath());
            !problem.isEmpty()) {
            Prompt::current().warning(m_dialogParent, QStringLiteral("add images"), problem);
            continue;
        }
        const int number = digits.toInt();
        pages.insert(number, new PicMsg(number, finfo, createScene(number, finfo)));
        currentPage = number;
    }
}

void TouchWorkspace::copyPic(const PageMap &pics)
{
    for (PicMsg *page : pics) {
        const QString target = imagePath + QLatin1Char('/') + page->file.fileName();
        if (QFile::copy(page->file.filePath(), target)) {
            qCDebug(touchLog).noquote() << "copy ok " + target;
            page->file = QFileInfo(target);
            // The background follows the copy, so the source may go away.
            page->scene->file = page->file.absoluteFilePath();
        } else {
            qCDebug(touchLog).noquote() << "copy err " + page->file.filePath();
        }
    }
}

void TouchWorkspace::on_btnAddPic_clicked()
{
    qCDebug(touchLog) << "add pic";
    if (projectPath.isEmpty()) {
        emit newProjectRequested();
        return;
    }
    const QStringList files = Prompt::current().getOpenFileNames(m_dialogParent, tr("open"),
        imagePath, QStringLiteral("Images (*.png *.bmp *.jpg *.jpeg *.ico *.gif)"));
    if (files.isEmpty())
        return;
    int wrongNum = 0;
    addPic(files, wrongNum);
    copyPic(pages);
    emit tableChanged();
    if (wrongNum > 0)
        Prompt::current().information(m_dialogParent, QStringLiteral("add images"),
            QString::number(wrongNum) + tr("image name error"));
    if (files.size() > 1) {
        if (!pages.isEmpty())
            addScene(pages.firstKey());
    } else if (pages.contains(currentPage)) {
        addScene(currentPage);
    }
}

void TouchWorkspace::on_btnDelPic_clicked(const QList<int> &numbers)
{
    dropPages(numbers);
    emit tableChanged();
}

void TouchWorkspace::dropPages(const QList<int> &numbers)
{
    // The view and the undo history let go before the scenes go.
    emit pageShown(-1, nullptr);
    emit pagesAboutToBeDropped();
    for (int number : numbers) {
        const auto it = pages.find(number);
        if (it == pages.end())
            continue;
        forgetInPreview(it.value());
        delete it.value();
        pages.erase(it);
    }
}

void TouchWorkspace::addScene(int number)
{
    const auto it = pages.constFind(number);
    if (it == pages.constEnd())
        return;
    PageScene *scene = it.value()->scene;
    currentPage = number;
    pageSize = ::pageSize(scene);
    emit pageShown(number, scene);
}

void TouchWorkspace::closePro()
{
    projectPath.clear();
    projectFile.clear();
    imagePath.clear();
    configFile.clear();
    dropPages(pages.keys());
    emit tableChanged();
}

void TouchWorkspace::setProjectFolder(const QString &path)
{
    projectPath = path;
    imagePath = path + QStringLiteral("/images");
    configFile = path + QStringLiteral("/HmiConfig.bin");
}

void TouchWorkspace::createPro(const QString &size, const QString &pixmap, const QString &path)
{
    Q_UNUSED(size)
    Q_UNUSED(pixmap)
    closePro();
    setProjectFolder(path);
    if (!QFileInfo(path).isDir()) {
        Prompt::current().information(
            m_dialogParent, tr("create project"), tr("project path don't exist"));
        return;
    }
    QDir().mkpath(imagePath);
    projectFile = path + QStringLiteral("/LMprj.hmi");
    emit statusChanged(projectFile);
    // An existing project file is the user's work; it is replaced only by the next save.
    QFile file(projectFile);
    if (!file.exists())
        file.open(QIODevice::WriteOnly);
    file.close();
    emit recordOpened(projectFile);
}

void TouchWorkspace::open()
{
    const QString fileName = Prompt::current().getOpenFileName(
        m_dialogParent, tr("open project"), QString(), QStringLiteral("*.hmi"));
    if (fileName.isEmpty())
        return;
    openByPath(fileName);
    emit statusChanged(fileName);
    emit recordOpened(fileName);
}

void TouchWorkspace::openByPath(const QString &fileName)
{
    closePro();
    QByteArray bytes;
    QString error;
    if (!readWholeFile(fileName, &bytes, &error)) {
        Prompt::current().warning(
            m_dialogParent, tr("Qt Drawing"), tr("Cannot read file %1:\n%2.").arg(fileName, error));
        return;
    }
    projectFile = fileName;
    setProjectFolder(QFileInfo(fileName).absolutePath());
    const ProjectReadResult read = readProjectPages(
        bytes, &pages,
        [this](int number, const QFileInfo &picture) { return createScene(number, picture); },
        projectPath);
    if (!pages.isEmpty()) {
        emit tableChanged();
        addScene(pages.firstKey());
    }
    if (read.damaged)
        reportDamage(fileName, read.line, read.column, read.error);
    reportDefaults(fileName, checkTouchDocument(bytes), read.damaged ? read.line : 0, read.column);
}

void TouchWorkspace::reportDefaults(
    const QString &fileName, ReadProblems problems, qint64 breakLine, qint64 breakColumn)
{
    problems = problemsBefore(problems, breakLine, breakColumn);
    if (problems.isEmpty())
        return;
    Prompt::current().warning(m_dialogParent, tr("Qt Drawing"),
        tr("Some of project file %1 could not be read as it stands:\n%2\n"
           "The rest is open; saving writes what is open now.")
            .arg(fileName, problemLines(problems)));
}

void TouchWorkspace::reportDamage(
    const QString &fileName, qint64 line, qint64 column, const QString &error)
{
    Prompt::current().warning(m_dialogParent, tr("Qt Drawing"),
        tr("Project file %1 is damaged at line %2, column %3:\n%4.\n"
           "The pages read before that point are open.")
            .arg(fileName)
            .arg(line)
            .arg(column)
            .arg(error));
}

void TouchWorkspace::save()
{
    if (projectPath.isEmpty())
        return;
    const QString target = projectPath + QStringLiteral("/LMprj.hmi");
    QString error;
    if (!writeWholeFile(target, projectDocument(pages), &error)) {
        Prompt::current().warning(m_dialogParent, tr("Lumo hmi config"),
            tr("Cannot write file %1:\n%2.").arg(target, error));
        return;
    }
    Prompt::current().information(
        m_dialogParent, QStringLiteral("save project"), QStringLiteral("save ok"));
}

void TouchWorkspace::getHmiConfig()
{
    if (pages.isEmpty())
        return;
    const QString target = projectPath + QStringLiteral("/HmiConfig.bin");
    const QString title = QStringLiteral("generate hmi config file");
    const QVector<TouchRecord> records = hmiConfigRecords(pages);
    const TouchPageRefusal refusal = checkTouchPages(records);
    if (!refusal.ok()) {
        Prompt::current().warning(m_dialogParent, title, touchPageRefusalText(refusal));
        return;
    }
    QString error;
    if (!writeWholeFile(target, encodeTouchFile(records), &error)) {
        Prompt::current().warning(
            m_dialogParent, title, tr("Cannot write file %1:\n%2.").arg(target, error));
        return;
    }
    Prompt::current().about(m_dialogParent, title, QStringLiteral("generate ok"));
}

void TouchWorkspace::loadControls()
{
    if (!QFileInfo::exists(configFile))
        return;
    QByteArray bytes;
    QString error;
    if (!readWholeFile(configFile, &bytes, &error)) {
        Prompt::current().warning(m_dialogParent, tr("Qt Drawing"),
            tr("Cannot read file %1:\n%2.").arg(configFile, error));
        return;
    }
    addMissingAreas(pages, decodeTouchFile(bytes));
}
