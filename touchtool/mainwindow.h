#pragma once

#include <QList>
#include <QMainWindow>
#include <QUndoStack>

#include "drawingfwd.h"
#include "drawtypes.h"

class PageScene;

class QAction;
class QActionGroup;
class QGraphicsItem;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTimer;
class QToolBar;
class LineToolBar;
class Title;
class TouchWorkspace;

// The touch tool's window, inside a frameless outer frame with the title bar: the page
// list, the page shown with its touch areas, and the property panel of the selected area.
// The project lives in the workspace; this class turns widgets and scene notifications
// into its commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    TouchWorkspace *workspace() const { return m_ws; }
    QUndoStack *undoStack() { return &m_undoStack; }
    // The frame the user sees, moves and closes; it holds the title bar and this window.
    QWidget *frame() const { return m_frame; }
    PageScene *currentScene() const { return m_scene; }
    // Whether the language switch last made Chinese active.
    static bool chineseActive();

    // The form, by the object names the tests and the catalogue rely on.
    Title *title = nullptr;
    QTableWidget *tableWidget = nullptr;
    QPushButton *btnAddPic = nullptr;
    QPushButton *btnDelPic = nullptr;
    QPushButton *btnHide = nullptr;
    QWidget *widgetPages = nullptr;
    QGraphicsView *graphicsView = nullptr;
    QLabel *lbl_location = nullptr;
    QLabel *lbl_txtx = nullptr;
    QLabel *lbl_txty = nullptr;
    QLabel *lbl_txtw = nullptr;
    QLabel *lbl_txth = nullptr;
    QLineEdit *txt_x = nullptr;
    QLineEdit *txt_y = nullptr;
    QLineEdit *txt_w = nullptr;
    QLineEdit *txt_h = nullptr;
    QLabel *lbl_pixNum = nullptr;
    QSpinBox *sp_pixNum = nullptr;
    QPushButton *btn_pixNum = nullptr;
    QLabel *lbl_cartoon = nullptr;
    QSpinBox *sp_cartoon = nullptr;
    QPushButton *btn_cartoon = nullptr;
    QLabel *lbl_com = nullptr;
    QLabel *lbl_comPrefix = nullptr;
    QLineEdit *txt_com = nullptr;
    QLabel *lbl_x = nullptr;
    QLabel *lbl_y = nullptr;
    QLabel *lbl_status = nullptr;

    QMenu *menuFile = nullptr;
    QAction *actionNew = nullptr;
    QAction *actionOpen = nullptr;
    QAction *actionSave = nullptr;
    QAction *actionExit = nullptr;
    QAction *actionGenerate = nullptr;
    QAction *actionLanguage = nullptr;
    QAction *actionRecord = nullptr;
    QAction *actionLoad = nullptr;
    QAction *actionCurrent = nullptr;
    QAction *actionHead = nullptr;
    QAction *actionCopy = nullptr;
    QAction *actionPaste = nullptr;
    QAction *actionCut = nullptr;
    QAction *actionDelete = nullptr;
    QAction *actionUndo = nullptr;
    QAction *actionRedo = nullptr;
    QAction *actionZoomIn = nullptr;
    QAction *actionZoomOut = nullptr;
    QAction *actionSelect = nullptr;
    QAction *actionRect = nullptr;
    // In the order of the alignment bar; the scene's align() mode in each action's data.
    QList<QAction *> alignActions;
    QToolBar *mainToolBar = nullptr;
    QToolBar *editToolBar = nullptr;
    QToolBar *drawingToolBar = nullptr;
    QToolBar *alignToolBar = nullptr;

public slots:
    void newPro();
    void open();
    void save();
    void getHmiConfig();
    void switchLanguage();
    void openRecord();
    void loadControls();
    void previewFromCurrent();
    void previewFromHead();
    void saveOpenRecord(const QString &path);
    void on_copy();
    void on_paste();
    void on_cut();
    void deleteItem();
    void zoomIn();
    void zoomOut();
    void addShape();
    // Aligns the selected areas by the mode of the action triggered.
    void alignSelection();
    void on_btnHide_toggled(bool checked);
    void on_btnAddPic_clicked();
    void on_btnDelPic_clicked();
    void on_btn_pixNum_clicked();
    void on_btn_cartoon_clicked();
    void addScene(QTableWidgetItem *item);
    void imgSelectChange();
    void writeTable();
    void changeItem(const QString &text);
    void changeItem16(const QString &text);
    void spSetVal(int value);
    void selectedPic(int who, int key);
    void itemSelected();
    void itemShow(QGraphicsItem *item);
    void positionChanged(int x, int y);
    void updateActions();

private:
    void setupFrame();
    void setupUi();
    void setupActions();
    void setupToolBars();
    QWidget *setupPagePanel();
    QWidget *setupPropertyPanel();
    void retranslateUi();
    void connectWorkspace();
    void connectScene(PageScene *scene);
    void showPage(int number, PageScene *scene);
    void showPicSelect(int who);
    // Opens a project by path (recent projects, command line), without recording it.
    void openProjectFile(const QString &fileName);
    // The touch area the panel edits: the first selected item when it is a rectangle.
    GraphicsRectItem *editedArea() const;

    TouchWorkspace *m_ws = nullptr;
    QWidget *m_frame = nullptr;
    PageScene *m_scene = nullptr;
    DrawShape m_tool = selection; // the tool for the next page shown
    QUndoStack m_undoStack;
    QActionGroup *m_toolGroup = nullptr;
    QTimer *m_actionTimer = nullptr;
};
