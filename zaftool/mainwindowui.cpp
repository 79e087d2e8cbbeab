// Building the icon-font tool's window: title bar, tool bars, side panel and view.
#include "mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QUndoView>
#include <QVBoxLayout>

#include "alignactions.h"
#include "drawtypes.h"
#include "drawview.h"
#include "editactions.h"
#include "linetoolbar.h"
#include "makeaction.h"
#include "titlebar.h"

namespace {

// Edits a hex column with a drop-down list of "00" up to the highest value.
class HexListDelegate : public QStyledItemDelegate
{
public:
    HexListDelegate(int highest, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_highest(highest)
    {
    }

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *list = new QComboBox(parent);
        for (int value = 0; value <= m_highest; ++value)
            list->addItem(QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper());
        // A choice is stored at once, not when the cell loses focus.
        connect(list, QOverload<int>::of(&QComboBox::activated), list,
            [this, list]() { emit const_cast<HexListDelegate *>(this)->commitData(list); });
        return list;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *list = static_cast<QComboBox *>(editor);
        list->setCurrentIndex(list->findText(index.data().toString()));
    }

    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText());
    }

private:
    int m_highest;
};

QSpinBox *coordinateBox(QWidget *parent, const char *name, bool editable)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(-32768, 65535);
    box->setReadOnly(!editable);
    if (!editable)
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return box;
}

} // namespace

// The icons live in a static library, so the program registers them itself.
static void initZafIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(zaftool);
        return true;
    }();
    Q_UNUSED(registered)
}

void MainWindow::setupUi()
{
    initZafIcons();
    setObjectName(QStringLiteral("MainWindow"));
    resize(1280, 800);
    setupTitleBar();
    setupActions();
    setupToolBars();

    graphicsView = new DrawView(nullptr);
    graphicsView->setObjectName(QStringLiteral("graphicsView"));
    graphicsView->setRenderHint(QPainter::Antialiasing);
    graphicsView->setCacheMode(QGraphicsView::CacheBackground);
    graphicsView->setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    graphicsView->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    // The window closes the view itself; a view that deleted itself on close would leave
    // a dangling pointer here.
    graphicsView->setAttribute(Qt::WA_DeleteOnClose, false);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(setupSidePanel());
    splitter->addWidget(graphicsView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 380, 900 });
    setCentralWidget(splitter);

    undoView = new QUndoView(&m_undoStack);
    undoView->setObjectName(QStringLiteral("undoView"));
    auto *dock = new QDockWidget(QStringLiteral("Command List"), this);
    dock->setObjectName(QStringLiteral("dockCommands"));
    dock->setWidget(undoView);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    statusBar();
}

void MainWindow::setupTitleBar()
{
    titleBar = new TitleBar(this);
    titleBar->setObjectName(QStringLiteral("titleBar"));
    titleBar->setStyleSheet(
        QStringLiteral("border: 0px;border-top-left-radius:10px;border-top-right-radius:10px"));
    titleBar->setMovable(false);
    titleBar->setIconSize(QSize(40, 32));
    titleBar->setFixedHeight(60);

    labelLogo = new QLabel(titleBar);
    labelLogo->setObjectName(QStringLiteral("labelLogo"));
    labelLogo->setPixmap(QPixmap(QStringLiteral("://icons/logo.png"))
                             .scaled(60, 30, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    labelTitle = new QLabel(titleBar);
    labelTitle->setObjectName(QStringLiteral("labelTitle"));
    labelTitle->setStyleSheet(QStringLiteral("color:white;font: 16pt;"));
    labelProject = new QLabel(titleBar);
    labelProject->setObjectName(QStringLiteral("labelProject"));
    labelProject->setStyleSheet(QStringLiteral("color:white"));
    auto *spacer = new QWidget(titleBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    titleBar->addWidget(labelLogo);
    titleBar->addWidget(labelTitle);
    titleBar->addWidget(labelProject);
    titleBar->addWidget(spacer);
    actionMin = titleBar->addAction(QIcon(QStringLiteral("://icons/min.png")), QString());
    actionMax = titleBar->addAction(QIcon(QStringLiteral("://icons/resize.png")), QString());
    actionClose = titleBar->addAction(QIcon(QStringLiteral("://icons/close.png")), QString());
    connect(actionMin, &QAction::triggered, this, &MainWindow::titleMin);
    connect(actionMax, &QAction::triggered, this, &MainWindow::titleMax);
    connect(actionClose, &QAction::triggered, this, &QWidget::close);
    connect(titleBar, &TitleBar::titlePress, this, &MainWindow::titlePress);
    connect(titleBar, &TitleBar::titleMove, this, &MainWindow::titleMove);
    addToolBar(titleBar);
    addToolBarBreak();
}

void MainWindow::setupActions()
{
    actionNew = makeAction(this, "actionNew", ":/icons/new.png", &MainWindow::newpro);
    actionOpen = makeAction(this, "actionOpen", ":/icons/open.png", &MainWindow::open);
    actionSave = makeAction(this, "actionSave", ":/icons/save.png", &MainWindow::save);
    actionSaveAs = makeAction(this, "actionSaveAs", ":/icons/save.png", &MainWindow::saveAs);
    setupEditActions(this, &m_undoStack);

    m_toolGroup = new QActionGroup(this);
    const auto tool = [this](const char *name, const char *icon, int shape) {
        QAction *a = makeAction(m_toolGroup, name, icon);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, shape]() { chooseTool(shape); });
        return a;
    };
    actionSelect = tool("actionSelect", ":/icons/arrow.png", selection);
    actionSelect->setChecked(true);
    actionRect = tool("actionRect", ":/icons/rect.png", rectangle);
    actionRotatePoint = tool("actionRotatePoint", ":/icons/rotatepoint.png", rotationPoint);
    actionScan = makeAction(this, "actionScan", ":/icons/scan.png", &MainWindow::scanImage);

    alignActions = makeAlignActions(this,
        { AlignRight, AlignLeft, AlignVCenter, AlignHCenter, AlignTop, AlignBottom,
            SpaceHorizontally, SpaceVertically, SameHeight, SameWidth, SameSize },
        &MainWindow::alignSelection);
    actionMerge = makeAction(this, "actionMerge", ":/icons/merge.png", &MainWindow::mergeItems);
    actionBringToFront = makeAction(this, "actionBringToFront", ":/icons/bringtofront.png",
        &MainWindow::on_actionBringToFront_triggered);
    actionSendToBack = makeAction(this, "actionSendToBack", ":/icons/sendtoback.png",
        &MainWindow::on_actionSendToBack_triggered);
    actionGenerate = makeAction(this, "actionGenerate", ":/icons/ZAF.png", &MainWindow::getZAF);
}

void MainWindow::setupToolBars()
{
    const auto bar = [this](const char *name, int edge, const QList<QAction *> &actions) {
        auto *toolBar = new LineToolBar(edge, this);
        toolBar->setObjectName(QLatin1String(name));
        toolBar->setIconSize(QSize(24, 24));
        toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        toolBar->addActions(actions);
        addToolBar(Qt::TopToolBarArea, toolBar);
        return toolBar;
    };
    bar("fileToolBar", 0, { actionNew, actionOpen, actionSave, actionSaveAs });
    bar("editToolBar", 0,
        { actionDelete, actionCut, actionCopy, actionPaste, actionUndo, actionRedo, actionZoomIn,
            actionZoomOut });
    bar("drawToolBar", 0, { actionSelect, actionRect, actionScan, actionRotatePoint, actionMerge });
    bar("alignToolBar", 0,
        alignActions + QList<QAction *>({ actionBringToFront, actionSendToBack }));
    bar("generateToolBar", 1, { actionGenerate });
}

QWidget *MainWindow::setupSidePanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("widgetSide"));
    auto *layout = new QVBoxLayout(panel);

    tableWidget = new QTableWidget(0, 4, panel);
    tableWidget->setObjectName(QStringLiteral("tableWidget"));
    tableWidget->verticalHeader()->setDefaultSectionSize(24);
    tableWidget->verticalHeader()->hide();
    tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tableWidget->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->setEditTriggers(QAbstractItemView::AllEditTriggers);
    tableWidget->setItemDelegateForColumn(2, new HexListDelegate(0x3F, tableWidget));
    tableWidget->setItemDelegateForColumn(3, new HexListDelegate(0xFF, tableWidget));
    connect(tableWidget, &QTableWidget::itemClicked, this, &MainWindow::addScene);
    connect(tableWidget, &QTableWidget::itemChanged, this, &MainWindow::onTableItemChanged);
    layout->addWidget(tableWidget, 1);

    auto *buttons = new QHBoxLayout;
    btnFont = new QPushButton(panel);
    btnFont->setObjectName(QStringLiteral("btnFont"));
    btnFont->setIcon(QIcon(QStringLiteral(":/icons/font.png")));
    btnAddPic = new QPushButton(panel);
    btnAddPic->setObjectName(QStringLiteral("btnAddPic"));
    btnAddPic->setIcon(QIcon(QStringLiteral(":/icons/addPic.png")));
    btnAddPic->setIconSize(QSize(24, 24));
    btnDelPic = new QPushButton(panel);
    btnDelPic->setObjectName(QStringLiteral("btnDelPic"));
    btnDelPic->setIcon(QIcon(QStringLiteral(":/icons/delPic.png")));
    connect(btnFont, &QPushButton::clicked, this, &MainWindow::getStandardFont);
    connect(btnAddPic, &QPushButton::clicked, this, &MainWindow::btnAddPicClicked);
    connect(btnDelPic, &QPushButton::clicked, this, &MainWindow::deleteSelectedFontImages);
    buttons->addWidget(btnFont);
    buttons->addWidget(btnAddPic);
    buttons->addWidget(btnDelPic);
    layout->addLayout(buttons);
    layout->addWidget(setupCharacterPanel());

    auto *position = new QHBoxLayout;
    lbl_locate = new QLabel(panel);
    lbl_locate->setObjectName(QStringLiteral("lbl_locate"));
    labelX = new QLabel(panel);
    labelX->setObjectName(QStringLiteral("labelX"));
    labelY = new QLabel(panel);
    labelY->setObjectName(QStringLiteral("labelY"));
    position->addWidget(lbl_locate);
    position->addWidget(new QLabel(QStringLiteral("x:"), panel));
    position->addWidget(labelX);
    position->addWidget(new QLabel(QStringLiteral("y:"), panel));
    position->addWidget(labelY);
    position->addStretch();
    layout->addLayout(position);
    return panel;
}

QWidget *MainWindow::setupCharacterPanel()
{
    auto *frame = new QWidget(this);
    auto *outer = new QVBoxLayout(frame);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *header = new QHBoxLayout;
    labelCharacter = new QLabel(frame);
    labelCharacter->setObjectName(QStringLiteral("labelCharacter"));
    btnHide = new QPushButton(frame);
    btnHide->setObjectName(QStringLiteral("btnHide"));
    btnHide->setIcon(QIcon(QStringLiteral("://icons/hide.png")));
    btnHide->setFlat(true);
    connect(btnHide, &QPushButton::clicked, this, &MainWindow::hidePro);
    header->addWidget(labelCharacter);
    header->addStretch();
    header->addWidget(btnHide);
    outer->addLayout(header);

    widgetCharacter = new QWidget(frame);
    widgetCharacter->setObjectName(QStringLiteral("widgetCharacter"));
    auto *form = new QFormLayout(widgetCharacter);
    editAsc = new QLineEdit(widgetCharacter);
    editAsc->setObjectName(QStringLiteral("editAsc"));
    editAsc->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[a-fA-F0-9]{2}")), editAsc));
    connect(editAsc, &QLineEdit::textEdited, this, &MainWindow::ascValInputed);
    spinX = coordinateBox(widgetCharacter, "spinX", true);
    spinY = coordinateBox(widgetCharacter, "spinY", true);
    spinWidth = coordinateBox(widgetCharacter, "spinWidth", false);
    spinHeight = coordinateBox(widgetCharacter, "spinHeight", false);
    spinRcX = coordinateBox(widgetCharacter, "spinRcX", false);
    spinRcY = coordinateBox(widgetCharacter, "spinRcY", false);
    connect(spinX, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::changeItem);
    connect(spinY, QOverload<int>::of(&QSpinBox::valueChanged), this, &MainWindow::changeItem);
    const char *names[] = { "labelAsc", "labelXField", "labelYField", "labelWidth", "labelHeight",
        "labelRcX", "labelRcY" };
    QWidget *fields[] = { editAsc, spinX, spinY, spinWidth, spinHeight, spinRcX, spinRcY };
    for (int i = 0; i < 7; ++i) {
        auto *label = new QLabel(widgetCharacter);
        label->setObjectName(QLatin1String(names[i]));
        form->addRow(label, fields[i]);
    }
    btnEdit = new QPushButton(widgetCharacter);
    btnEdit->setObjectName(QStringLiteral("btnEdit"));
    btnEdit->setIcon(QIcon(QStringLiteral(":/icons/edit.png")));
    connect(btnEdit, &QPushButton::clicked, this, &MainWindow::propertyWinShow);
    form->addRow(btnEdit);
    outer->addWidget(widgetCharacter);
    return frame;
}

void MainWindow::retranslateUi()
{
    const QString title = tr("Lumo图标字库工具-v1.11");
    setWindowTitle(title);
    labelTitle->setText(title);
    labelProject->setText(tr("      未选择工程"));
    actionMin->setText(tr("最小化"));
    actionMax->setText(tr("最大化"));
    actionClose->setText(tr("关闭"));
    const QList<QPair<QAction *, const char *>> texts = {
        { actionNew, QT_TR_NOOP("新建") },
        { actionOpen, QT_TR_NOOP("打开") },
        { actionSave, QT_TR_NOOP("保存") },
        { actionSaveAs, QT_TR_NOOP("另存为") },
        { actionDelete, QT_TR_NOOP("删除") },
        { actionCut, QT_TR_NOOP("剪切") },
        { actionCopy, QT_TR_NOOP("复制") },
        { actionPaste, QT_TR_NOOP("粘贴") },
        { actionUndo, QT_TR_NOOP("取消") },
        { actionRedo, QT_TR_NOOP("重做") },
        { actionZoomIn, QT_TR_NOOP("放大") },
        { actionZoomOut, QT_TR_NOOP("缩小") },
        { actionSelect, QT_TR_NOOP("选择工具") },
        { actionRect, QT_TR_NOOP("矩形工具") },
        { actionScan, QT_TR_NOOP("扫描") },
        { actionRotatePoint, QT_TR_NOOP("设置旋转点") },
        { actionMerge, QT_TR_NOOP("合并") },
        { actionBringToFront, QT_TR_NOOP("最前") },
        { actionSendToBack, QT_TR_NOOP("最后") },
        { actionGenerate, QT_TR_NOOP("生成") },
    };
    for (const auto &text : texts)
        text.first->setText(tr(text.second));
    for (QAction *action : qAsConst(alignActions))
        action->setText(tr(alignActionInfo(alignModeOf(action)).iconFontText));

    tableWidget->setHorizontalHeaderLabels(
        { tr("字体编号"), tr("文件"), tr("背景过滤强度"), tr("加密模式") });
    btnFont->setText(tr("添加标准字体"));
    btnAddPic->setToolTip(
        tr("<html><head/><body><p>添加图片,建议使用黑色底,易于过滤背景</p></body></html>"));
    btnDelPic->setText(tr("删除图片"));
    labelCharacter->setText(tr("字符编辑"));
    const char *fieldTexts[] = { QT_TR_NOOP("键值(0x)："), "x：", "y：", QT_TR_NOOP("宽度："),
        QT_TR_NOOP("高度："), QT_TR_NOOP("旋转中心点X："), QT_TR_NOOP("旋转中心点Y：") };
    const char *names[] = { "labelAsc", "labelXField", "labelYField", "labelWidth", "labelHeight",
        "labelRcX", "labelRcY" };
    for (int i = 0; i < 7; ++i)
        widgetCharacter->findChild<QLabel *>(QLatin1String(names[i]))->setText(tr(fieldTexts[i]));
    btnEdit->setText(tr("字符编辑"));
    lbl_locate->setText(tr("位置"));
}
