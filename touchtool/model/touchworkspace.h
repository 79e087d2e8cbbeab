#pragma once

#include "picmsg.h"
#include "projectcheck.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include "drawingfwd.h"

class QWidget;

// The project of the touch tool: its folder, its pages and the commands on them. It has no
// widgets; dialogs and messages go through the prompt seam, and what the window must show
// is announced by signal.
class TouchWorkspace : public QObject
{
    Q_OBJECT

public:
    explicit TouchWorkspace(QObject *parent = nullptr);
    ~TouchWorkspace() override;

    // The window over which dialogs and message boxes open (not owned; may be null).
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    QString projectPath; // the project folder; empty when no project is open
    QString imagePath; // projectPath + "/images"
    QString projectFile; // projectPath + "/LMprj.hmi", or the file opened
    QString configFile; // projectPath + "/HmiConfig.bin"
    PageMap pages; // owned
    int currentPage = -1; // the page added or shown last
    QSize pageSize; // size of the page shown last, for keeping areas on it

    // Whether `finfo` is a picture by its suffix.
    static bool checkFile(const QFileInfo &finfo);
    // The digits of the page number in `filename`; empty when it gives none.
    static QString pageNumberDigits(const QString &filename);

    // A new page scene for picture `finfo` of page `index`, announced by sceneCreated. The
    // page built on it owns it.
    PageScene *createScene(int index, const QFileInfo &finfo);
    // Makes pages of `picList` in order. Files that are not pictures are skipped; names
    // without a page number and numbers taken already are counted in `wrongNum`.
    void addPic(const QStringList &picList, int &wrongNum);
    // Copies the picture of every page of `pics` into the images folder; a page whose copy
    // succeeds refers to the copy from then on.
    void copyPic(const PageMap &pics);

    // The add-pictures command; asks for a new project when none is open.
    void on_btnAddPic_clicked();
    // Removes the pages `numbers` with their areas; their pictures stay on disk.
    void on_btnDelPic_clicked(const QList<int> &numbers);
    // Shows page `number` and takes its size as the page size; nothing for a missing page.
    void addScene(int number);
    // Empties the paths and the pages; does not ask to save.
    void closePro();

    // The new project in folder `path` (`size` and `pixmap` are not used).
    void createPro(const QString &size, const QString &pixmap, const QString &path);
    // Asks for a project file and opens it.
    void open();
    // Opens the project file `fileName` after closing the current project.
    void openByPath(const QString &fileName);
    // Writes the project file LMprj.hmi of the project folder.
    void save();

    // The generate command: writes HmiConfig.bin of the project folder.
    void getHmiConfig();
    // Reads the project's HmiConfig.bin back and adds the touch areas missing from the pages.
    void loadControls();

signals:
    // The view should show `scene` of page `number`; (-1, null) detaches it.
    void pageShown(int number, PageScene *scene);
    // A new page scene, for the window to connect its notifications.
    void sceneCreated(PageScene *scene);
    // Pages are about to be deleted with their scenes and areas: whatever refers to their
    // items (the undo history) must let go now.
    void pagesAboutToBeDropped();
    // The page list must be refilled from `pages`.
    void tableChanged();
    // The status label shows `text`.
    void statusChanged(const QString &text);
    // No project is open for adding pictures: the new-project command should run.
    void newProjectRequested();
    // The project file `path` was created or opened by the open command; the recent-projects
    // list should record it.
    void recordOpened(const QString &path);

private:
    void setProjectFolder(const QString &path);
    void dropPages(const QList<int> &numbers);
    void reportDamage(const QString &fileName, qint64 line, qint64 column, const QString &error);
    // What the open project holds other than the file says; `breakLine` and `breakColumn`:
    // where reading stopped, reported already (line 0: it did not stop).
    void reportDefaults(
        const QString &fileName, ReadProblems problems, qint64 breakLine, qint64 breakColumn);

    QWidget *m_dialogParent = nullptr;
};
