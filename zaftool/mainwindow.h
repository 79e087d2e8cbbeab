#pragma once

#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QUndoStack>

#include "drawingfwd.h"
#include "drawtypes.h"
#include "titledrag.h"

class FontScene;

class QAction;
class QActionGroup;
class QGraphicsItem;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTimer;
class QUndoView;
class QWidget;
class TitleBar;
class ZafWorkspace;

// The icon-font tool's window: the font-image table, the character panel and the drawing
// view of the font image shown, with the commands of the tool. The project itself lives
// in the workspace; this class turns widgets and scene notifications into its commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Shows itself maximised; `askForProjectAtStart` runs the start-up dialog once the
    // window is up (tests build the window without it).
    explicit MainWindow(QWidget *parent = nullptr, bool askForProjectAtStart = true);
    ~MainWindow() override;

    ZafWorkspace *workspace() const { return m_ws; }
    QUndoStack *undoStack() { return &m_undoStack; }
    // The scene in the view; null when none is shown.
    FontScene *currentScene() const { return m_scene; }

    // The form, by the object names the tests and the catalogue rely on.
    TitleBar *titleBar = nullptr;
    QLabel *labelLogo = nullptr;
    QLabel *labelTitle = nullptr;
    QLabel *labelProject = nullptr;
    QTableWidget *tableWidget = nullptr;
    QPushButton *btnFont = nullptr;
    QPushButton *btnAddPic = nullptr;
    QPushButton *btnDelPic = nullptr;
    QWidget *widgetCharacter = nullptr;
    QLabel *labelCharacter = nullptr;
    QLineEdit *editAsc = nullptr;
    QSpinBox *spinX = nullptr;
    QSpinBox *spinY = nullptr;
    QSpinBox *spinWidth = nullptr;
    QSpinBox *spinHeight = nullptr;
    QSpinBox *spinRcX = nullptr;
    QSpinBox *spinRcY = nullptr;
    QPushButton *btnEdit = nullptr;
    QPushButton *btnHide = nullptr;
    QLabel *lbl_locate = nullptr;
    QLabel *labelX = nullptr;
    QLabel *labelY = nullptr;
    DrawView *graphicsView = nullptr;
    QUndoView *undoView = nullptr;

    // Commands, in the order of the tool bars.
    QAction *actionMin = nullptr;
    QAction *actionMax = nullptr;
    QAction *actionClose = nullptr;
    QAction *actionNew = nullptr;
    QAction *actionOpen = nullptr;
    QAction *actionSave = nullptr;
    QAction *actionSaveAs = nullptr;
    QAction *actionDelete = nullptr;
    QAction *actionCut = nullptr;
    QAction *actionCopy = nullptr;
    QAction *actionPaste = nullptr;
    QAction *actionUndo = nullptr;
    QAction *actionRedo = nullptr;
    QAction *actionZoomIn = nullptr;
    QAction *actionZoomOut = nullptr;
    QAction *actionSelect = nullptr;
    QAction *actionRect = nullptr;
    QAction *actionScan = nullptr;
    QAction *actionRotatePoint = nullptr;
    QList<QAction *> alignActions; // mode in each action's data
    QAction *actionMerge = nullptr;
    QAction *actionBringToFront = nullptr;
    QAction *actionSendToBack = nullptr;
    QAction *actionGenerate = nullptr;

public slots:
    void titlePress(QPoint p);
    void titleMove(QPoint p);
    void titleMin();
    void titleMax();

    void newpro();
    void open();
    void save();
    void saveAs();
    void deleteItem();
    void on_cut();
    void on_copy();
    void on_paste();
    void zoomIn();
    void zoomOut();
    void scanImage();
    void mergeItems();
    // Aligns the selected shapes by the mode of the action triggered.
    void alignSelection();
    void on_actionBringToFront_triggered();
    void on_actionSendToBack_triggered();
    void getZAF();
    void btnAddPicClicked();
    void deleteSelectedFontImages();
    void getStandardFont();
    void addScene(QTableWidgetItem *item);
    void writeTable();

    void itemSelected();
    void itemShow(QGraphicsItem *item);
    void ascValInputed(const QString &text);
    void changeItem();
    void positionChanged(int x, int y);
    void hidePro();
    void propertyWinShow();
    void changeItemAttr(GraphicsRectItem *item);
    void updateActions();
    // Long work of the workspace: a progress dialog once it lasts over half a second.
    void showProgress(int done, int total, const QString &name);

private:
    void setupUi();
    void setupTitleBar();
    void setupActions();
    void setupToolBars();
    QWidget *setupSidePanel();
    QWidget *setupCharacterPanel();
    void retranslateUi();
    void connectWorkspace();
    void connectScene(FontScene *scene);
    void showScene(FontScene *scene);
    void clearCharacterFields();
    void askForProject();
    void chooseTool(int shape);
    void onTableItemChanged(QTableWidgetItem *item);
    // The first selected shape of the shown scene, or null.
    QGraphicsItem *firstSelected() const;

    ZafWorkspace *m_ws = nullptr;
    FontScene *m_scene = nullptr;
    DrawShape m_tool = selection; // the tool for the next picture shown
    QUndoStack m_undoStack;
    QActionGroup *m_toolGroup = nullptr;
    QTimer *m_actionTimer = nullptr;
    QProgressDialog *m_progress = nullptr;
    bool m_fillingTable = false;
    bool m_fillingPanel = false;
    TitleDrag m_titleDrag;
};
