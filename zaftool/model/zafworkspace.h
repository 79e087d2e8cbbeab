#pragma once

#include "fontimage.h"
#include "projectcheck.h"
#include "zafwriter.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class FontScene;

class QFileInfo;
class QWidget;

// What the font-image table shows for one font image: all four columns as text.
struct FontImageRow
{
    QString number; // decimal
    QString fileName; // the picture's file name
    QString filter; // two upper-case hex digits
    QString encryptionKey; // two upper-case hex digits
};

// The project of the icon-font tool: its folders, its font images and the commands on
// them. It has no widgets; dialogs and messages go through the prompt seam, and what a
// window must show is announced by signal.
class ZafWorkspace : public QObject
{
    Q_OBJECT

public:
    explicit ZafWorkspace(QObject *parent = nullptr);
    ~ZafWorkspace() override;

    // The window over which dialogs and message boxes open (not owned; may be null).
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    QString projectPath; // the project folder; empty when no project is open
    QString imagePath; // projectPath + "/images"
    QString projectFile; // the project file; empty when it could not be created
    FontImageList fontImages; // by ascending font number
    QSize canvasSize; // size of the scene last shown by addScene()

    // Asks for a project folder and makes it the current, empty project. Returns false
    // when the dialog was cancelled; then nothing changes.
    bool newpro();
    // Sets the folders of project `path` and creates its picture folder; the project file
    // is created when missing, an existing one is left untouched.
    void loadProPath(const QString &path);

    // The add-pictures command: asks for a project first when none is open.
    void btnAddPicClicked();
    // The picture dialog, the add operation and its reports.
    void openPic();
    // Stores and adds `files` in list order. Names without a font number and numbers
    // already in the list are counted in `*wrongFileCount`; pictures that cannot be read
    // or decoded are not added and are listed in `*undecodable` when given.
    void addPic(const QStringList &files, int *wrongFileCount, bool isStdFont,
        QStringList *undecodable = nullptr);
    // A new scene for the picture `finfo` with font number `index`; the caller owns it.
    FontScene *createScene(int index, int encryptionKey, int filter, const QFileInfo &finfo);
    // Shows the scene of font image `number` and takes its size as the canvas size.
    void addScene(int number);
    // Puts `scene` (null: none) into the view, its picture decoded first.
    void showScene(FontScene *scene);
    // Removes the font images `numbers` and their stored pictures (a picture outside the
    // picture folder stays).
    void deleteFontImages(const QList<int> &numbers);

    static FontImageRow tableRow(const FontImage &image);
    QVector<FontImageRow> tableRows() const;

    // The key check over all font images with its message; true when no conflict.
    bool checkAsc();
    // The overlap check over all font images with its message; true when a conflict.
    bool checkCollide();

    // Writes the project to projectFile.
    bool save();
    // Asks for a file name and saves there.
    bool saveAs();
    // Writes the project document to `fileName`, whole or not at all. On success the file
    // becomes the current project file.
    bool saveFile(const QString &fileName);
    void setCurrentFile(const QString &fileName);
    // Asks for a project file and opens it.
    void open();
    // Replaces the project by the one in `fileName`. A file that cannot be opened leaves
    // the current project open; a damaged one keeps what was read before the damage.
    bool loadFile(const QString &fileName);

    // Replaces the characters of `scene` by those found in its picture; null does nothing.
    // The caller drops undo commands that refer to the old characters.
    void scanImage(FontScene *scene);

    // The add-standard-font command: a font and a colour are asked for, the picture is
    // rendered into the picture folder and becomes a new font image.
    void getStandardFont();
    // Adds the standard font image `key` for `file`, replacing one with that number.
    void addFont(const QFont &font, int key, const QString &file);

    // The characters of `scene`: its rectangles in stacking order, topmost first, without
    // the background, handles and group members.
    static QVector<ZafChar> sceneChars(FontScene *scene);
    // The 3072-byte character table of `scene`'s rectangles.
    static QByteArray getLut(FontScene *scene);
    // What the writer needs of every font image; the writer reads the pictures from their
    // files.
    static QVector<ZafFontInput> writerInputs(const FontImageList &images);
    // The generate command: checks, builds, asks for the output file and writes it.
    void getZAF();

signals:
    // The view should show `scene`; null detaches it.
    void sceneShown(FontScene *scene);
    // A new font image's scene, for the window to connect its notifications.
    void sceneCreated(FontScene *scene);
    // The font-image table must be refilled from tableRows().
    void tableChanged();
    // The character property fields must be cleared.
    void propertiesCleared();
    void projectLabelChanged(const QString &text);
    // Long work (adding pictures, generating) has done `done` of `total` steps and is at
    // the picture `name`; done == total when it is over.
    void progress(int done, int total, const QString &name);

private:
    // What the open project holds other than the file says; `breakLine` and `breakColumn`:
    // where reading stopped, reported already (line 0: it did not stop).
    void reportDefaults(
        const QString &fileName, ReadProblems problems, qint64 breakLine, qint64 breakColumn);
    void clearFontImages();
    bool renderStandardFont(const QFont &font, const QString &path);
    bool writeOutput(const QByteArray &bytes);

    QWidget *m_dialogParent = nullptr;
};
