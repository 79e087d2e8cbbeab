// Building the touch tool's window: outer frame, menu, tool bars, page list, view and
// property panel.
#include "mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QGraphicsView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegExpValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "alignactions.h"
#include "editactions.h"
#include "linetoolbar.h"
#include "makeaction.h"
#include "title.h"
#include "touchworkspace.h"

namespace {

const char toolBarStyle[] = "Background-Color:rgb(255,255,255);border: 0px;";
const char alignBarStyle[]
    = "Background-Color:rgb(255,255,255);border-left:1px solid rgb(200,200,200);margin-right:2px";
const char headerStyle[]
    = "QHeaderView::section{background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 "
      "#4ab8e5, stop:1 #0697e6);color:white;font:15px;height:35px;border:1px solid "
      "rgb(255,255,255)}";

template <class Widget> Widget *named(QWidget *parent, const char *name)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox *targetBox(QWidget *parent, const char *name)
{
    auto *box = named<QSpinBox>(parent, name);
    box->setRange(-1, 100);
    box->setValue(-1);
    return box;
}

} // namespace

void MainWindow::setupFrame()
{
    m_frame = new QWidget(nullptr, Qt::FramelessWindowHint);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->resize(1400, 860);
    setParent(m_frame);
    title = new Title(m_frame, TitleStyle::Direct);
    title->setControlledWindow(m_frame);
    auto *layout = new QVBoxLayout(m_frame);
    layout->setSpacing(0);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(title);
    layout->addWidget(this);
    m_frame->show();
}

void MainWindow::setupUi()
{
    setObjectName(QStringLiteral("MainWindow"));
    setupActions();
    setupToolBars();

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(setupPagePanel());
    graphicsView = named<QGraphicsView>(central, "graphicsView");
    graphicsView->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(graphicsView, 1);
    layout->addWidget(setupPropertyPanel());
    setCentralWidget(central);
}

void MainWindow::setupActions()
{
    actionNew = makeAction(this, "actionNew", nullptr, &MainWindow::newPro);
    actionOpen = makeAction(this, "actionOpen", nullptr, &MainWindow::open);
    actionSave = makeAction(this, "actionSave", nullptr, &MainWindow::save);
    actionExit = makeAction(this, "actionExit", nullptr);
    connect(actionExit, &QAction::triggered, m_frame, &QWidget::close);
    actionGenerate
        = makeAction(this, "actionGenerate", "://icons/ZAF.png", &MainWindow::getHmiConfig);
    actionLanguage
        = makeAction(this, "actionLanguage", "://icons/en.png", &MainWindow::switchLanguage);
    actionRecord = makeAction(this, "actionRecord", "://icons/record.png", &MainWindow::openRecord);
    actionLoad = makeAction(this, "actionLoad", "://icons/load.png", &MainWindow::loadControls);
    actionCurrent = makeAction(
        this, "actionCurrent", "://icons/current.png", &MainWindow::previewFromCurrent);
    actionHead = makeAction(this, "actionHead", "://icons/head.png", &MainWindow::previewFromHead);
    setupEditActions(this, &m_undoStack);

    m_toolGroup = new QActionGroup(this);
    actionSelect = makeAction(this, "actionSelect", ":/icons/arrow.png", &MainWindow::addShape);
    actionRect = makeAction(this, "actionRect", ":/icons/rect.png", &MainWindow::addShape);
    for (QAction *tool : { actionSelect, actionRect }) {
        tool->setCheckable(true);
        m_toolGroup->addAction(tool);
    }
    actionSelect->setChecked(true);

    alignActions = makeAlignActions(this,
        { AlignTop, AlignBottom, AlignRight, AlignLeft, AlignVCenter, AlignHCenter,
            SpaceHorizontally, SpaceVertically, SameHeight, SameWidth, SameSize },
        &MainWindow::alignSelection);

    menuFile = menuBar()->addMenu(QString());
    menuFile->setObjectName(QStringLiteral("menuFile"));
    menuFile->addActions({ actionNew, actionOpen, actionSave, actionExit });
}

void MainWindow::setupToolBars()
{
    auto *main = new LineToolBar(1, this);
    main->setFixedHeight(50);
    mainToolBar = main;
    editToolBar = new QToolBar(this);
    drawingToolBar = new QToolBar(this);
    alignToolBar = new LineToolBar(0, this);
    const QList<QPair<QToolBar *, const char *>> bars
        = { { mainToolBar, "mainToolBar" }, { editToolBar, "editToolBar" },
              { drawingToolBar, "drawingToolBar" }, { alignToolBar, "alignToolBar" } };
    for (const auto &bar : bars) {
        bar.first->setObjectName(QLatin1String(bar.second));
        bar.first->setStyleSheet(QLatin1String(toolBarStyle));
        bar.first->setIconSize(QSize(50, 32));
        addToolBar(Qt::TopToolBarArea, bar.first);
    }
    alignToolBar->setStyleSheet(QLatin1String(alignBarStyle));
    alignToolBar->setIconSize(QSize(49, 32));
    mainToolBar->addActions({ actionNew, actionOpen, actionSave, actionGenerate, actionRecord,
        actionLoad, actionCurrent, actionHead, actionLanguage });
    editToolBar->addActions({ actionCopy, actionPaste, actionCut, actionDelete, actionUndo,
        actionRedo, actionZoomIn, actionZoomOut });
    drawingToolBar->addActions({ actionSelect, actionRect });
    alignToolBar->addActions(alignActions);
}

QWidget *MainWindow::setupPagePanel()
{
    auto *panel = new QWidget(this);
    auto *outer = new QHBoxLayout(panel);
    outer->setContentsMargins(0, 0, 0, 0);
    widgetPages = named<QWidget>(panel, "widgetPages");
    auto *layout = new QVBoxLayout(widgetPages);
    layout->setContentsMargins(0, 0, 0, 0);
    tableWidget = named<QTableWidget>(widgetPages, "tableWidget");
    tableWidget->setColumnCount(2);
    tableWidget->verticalHeader()->setDefaultSectionSize(24);
    tableWidget->verticalHeader()->hide();
    tableWidget->horizontalHeader()->setStyleSheet(QLatin1String(headerStyle));
    tableWidget->horizontalHeader()->setStretchLastSection(true);
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableWidget->setMinimumWidth(240);
    connect(tableWidget, &QTableWidget::itemClicked, this, &MainWindow::addScene);
    connect(tableWidget, &QTableWidget::itemSelectionChanged, this, &MainWindow::imgSelectChange);
    layout->addWidget(tableWidget, 1);
    auto *buttons = new QHBoxLayout;
    btnAddPic = named<QPushButton>(widgetPages, "btnAddPic");
    btnAddPic->setIcon(QIcon(QStringLiteral(":/icons/add.png")));
    btnDelPic = named<QPushButton>(widgetPages, "btnDelPic");
    btnDelPic->setIcon(QIcon(QStringLiteral(":/icons/delPic.png")));
    connect(btnAddPic, &QPushButton::clicked, this, &MainWindow::on_btnAddPic_clicked);
    connect(btnDelPic, &QPushButton::clicked, this, &MainWindow::on_btnDelPic_clicked);
    buttons->addWidget(btnAddPic);
    buttons->addWidget(btnDelPic);
    layout->addLayout(buttons);
    outer->addWidget(widgetPages);

    btnHide = named<QPushButton>(panel, "btnHide");
    btnHide->setCheckable(true);
    btnHide->setFixedSize(16, 48);
    btnHide->setStyleSheet(
        QStringLiteral("QPushButton{border-image:url(://icons/hide.png);}"
                       "QPushButton:checked{border-image:url(://icons/show.png);}"));
    connect(btnHide, &QPushButton::toggled, this, &MainWindow::on_btnHide_toggled);
    outer->addWidget(btnHide);
    return panel;
}

QWidget *MainWindow::setupPropertyPanel()
{
    auto *panel = named<QWidget>(this, "widgetProperty");
    panel->setFixedWidth(300);
    auto *grid = new QGridLayout(panel);
    lbl_location = named<QLabel>(panel, "lbl_location");
    grid->addWidget(lbl_location, 0, 0, 1, 3);
    const struct
    {
        QLabel **label;
        const char *labelName;
        QLineEdit **edit;
        const char *editName;
    } fields[] = {
        { &lbl_txtx, "lbl_txtx", &txt_x, "txt_x" },
        { &lbl_txty, "lbl_txty", &txt_y, "txt_y" },
        { &lbl_txtw, "lbl_txtw", &txt_w, "txt_w" },
        { &lbl_txth, "lbl_txth", &txt_h, "txt_h" },
    };
    int row = 1;
    for (const auto &field : fields) {
        *field.label = named<QLabel>(panel, field.labelName);
        *field.edit = named<QLineEdit>(panel, field.editName);
        (*field.edit)->setText(QStringLiteral("0"));
        connect(*field.edit, &QLineEdit::textEdited, this, &MainWindow::changeItem);
        grid->addWidget(*field.label, row, 0);
        grid->addWidget(*field.edit, row, 1, 1, 2);
        ++row;
    }

    lbl_pixNum = named<QLabel>(panel, "lbl_pixNum");
    sp_pixNum = targetBox(panel, "sp_pixNum");
    btn_pixNum = named<QPushButton>(panel, "btn_pixNum");
    lbl_cartoon = named<QLabel>(panel, "lbl_cartoon");
    sp_cartoon = targetBox(panel, "sp_cartoon");
    btn_cartoon = named<QPushButton>(panel, "btn_cartoon");
    for (QSpinBox *box : { sp_pixNum, sp_cartoon })
        connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::spSetVal);
    connect(btn_pixNum, &QPushButton::clicked, this, &MainWindow::on_btn_pixNum_clicked);
    connect(btn_cartoon, &QPushButton::clicked, this, &MainWindow::on_btn_cartoon_clicked);
    grid->addWidget(lbl_pixNum, row++, 0, 1, 3);
    grid->addWidget(sp_pixNum, row, 0, 1, 2);
    grid->addWidget(btn_pixNum, row++, 2);
    grid->addWidget(lbl_cartoon, row++, 0, 1, 3);
    grid->addWidget(sp_cartoon, row, 0, 1, 2);
    grid->addWidget(btn_cartoon, row++, 2);

    lbl_com = named<QLabel>(panel, "lbl_com");
    lbl_comPrefix = named<QLabel>(panel, "lbl_comPrefix");
    txt_com = named<QLineEdit>(panel, "txt_com");
    txt_com->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[a-fA-F0-9]{4}")), txt_com));
    txt_com->setMaxLength(4);
    txt_com->setText(QStringLiteral("-1"));
    connect(txt_com, &QLineEdit::textEdited, this, &MainWindow::changeItem16);
    grid->addWidget(lbl_com, row++, 0, 1, 3);
    grid->addWidget(lbl_comPrefix, row, 0);
    grid->addWidget(txt_com, row++, 1, 1, 2);

    auto *position = new QHBoxLayout;
    lbl_x = named<QLabel>(panel, "lbl_x");
    lbl_y = named<QLabel>(panel, "lbl_y");
    position->addWidget(new QLabel(QStringLiteral("x:"), panel));
    position->addWidget(lbl_x);
    position->addWidget(new QLabel(QStringLiteral("y:"), panel));
    position->addWidget(lbl_y);
    position->addStretch();
    grid->addLayout(position, row++, 0, 1, 3);
    lbl_status = named<QLabel>(panel, "lbl_status");
    lbl_status->setStyleSheet(QStringLiteral("color:black"));
    lbl_status->setWordWrap(true);
    grid->addWidget(lbl_status, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    return panel;
}

void MainWindow::retranslateUi()
{
    setWindowTitle(tr("MainWindow"));
    menuFile->setTitle(tr("file"));
    const QList<QPair<QAction *, const char *>> texts = {
        { actionNew, QT_TR_NOOP("new") },
        { actionOpen, QT_TR_NOOP("open") },
        { actionSave, QT_TR_NOOP("save") },
        { actionExit, QT_TR_NOOP("exit") },
        { actionGenerate, QT_TR_NOOP("hmi") },
        { actionLanguage, QT_TR_NOOP("cn") },
        { actionRecord, QT_TR_NOOP("record") },
        { actionLoad, QT_TR_NOOP("load") },
        { actionCurrent, QT_TR_NOOP("current") },
        { actionHead, QT_TR_NOOP("head") },
        { actionCopy, QT_TR_NOOP("copy") },
        { actionPaste, QT_TR_NOOP("paste") },
        { actionCut, QT_TR_NOOP("cut") },
        { actionDelete, QT_TR_NOOP("&Delete") },
        { actionUndo, QT_TR_NOOP("undo") },
        { actionRedo, QT_TR_NOOP("redo") },
        { actionZoomIn, QT_TR_NOOP("zoomIn") },
        { actionZoomOut, QT_TR_NOOP("zoomOut") },
        { actionSelect, QT_TR_NOOP("select tool") },
        { actionRect, QT_TR_NOOP("rect tool") },
    };
    for (const auto &text : texts)
        text.first->setText(tr(text.second));
    for (QAction *action : qAsConst(alignActions))
        action->setText(tr(alignActionInfo(alignModeOf(action)).touchText));
    editToolBar->setWindowTitle(tr("edit"));
    drawingToolBar->setWindowTitle(tr("drawing"));

    tableWidget->setHorizontalHeaderLabels({ tr("index"), tr("filename") });
    lbl_location->setText(tr("location"));
    lbl_txtx->setText(tr("x:"));
    lbl_txty->setText(tr("y:"));
    lbl_txtw->setText(tr("width:"));
    lbl_txth->setText(tr("height:"));
    lbl_pixNum->setText(tr("image to:"));
    lbl_cartoon->setText(tr("animation:"));
    btn_pixNum->setText(tr("set"));
    btn_cartoon->setText(tr("set"));
    lbl_com->setText(tr("command:(0x00-0xFFFF)"));
    lbl_comPrefix->setText(tr("0x:"));
    if (m_ws->projectFile.isEmpty())
        lbl_status->setText(tr("no project"));
    title->retranslateUi();
}
