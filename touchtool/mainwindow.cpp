#include "mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>

#include "alignactions.h"
#include "commands.h"
#include "dlgnewpro.h"
#include "dlgpreview.h"
#include "dlgprorecord.h"
#include "drawscene.h"
#include "drawtool.h"
#include "frmpicselect.h"
#include "graphicsrectitem.h"
#include "pagescene.h"
#include "toucharea.h"
#include "projectrecord.h"
#include "scenecommands.h"
#include "shapemimedata.h"
#include "startup.h"
#include "title.h"
#include "touchlog.h"
#include "touchworkspace.h"

namespace {

bool chinese = false;

// The switch looks for the catalogue in the working directory, as the module's tool chain
// keeps it there; the copy inside the program serves when it is not there.
bool loadSwitchCatalogue(QTranslator *translator, const QString &name)
{
    return translator->load(name) || translator->load(QStringLiteral(":/translate/") + name);
}

bool isTouchArea(const QGraphicsItem *item)
{
    return item && item->type() == ShapeType && dynamic_cast<const GraphicsRectItem *>(item)
        && touchFields(item);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ws(new TouchWorkspace(this))
{
    m_ws->setDialogParent(this);
    setupFrame();
    setupUi();
    retranslateUi();
    connectWorkspace();

    m_actionTimer = new QTimer(this);
    connect(m_actionTimer, &QTimer::timeout, this, &MainWindow::updateActions);
    m_actionTimer->start(500);
    updateActions();
    // A project named on the command line opens at once.
    const QString file = fileArgument(QStringLiteral(".hmi"));
    if (!file.isEmpty())
        QTimer::singleShot(0, this, [this, file]() { openProjectFile(file); });
}

MainWindow::~MainWindow()
{
    // Commands refer to the areas of the pages, which go with the workspace.
    m_undoStack.clear();
    graphicsView->setScene(nullptr);
    QCoreApplication::processEvents();
    // The workspace is deleted with this window's children, when this window is no longer
    // whole: neither it nor its scenes may call this window's slots then.
    m_ws->disconnect(this);
    for (const PicMsg *page : qAsConst(m_ws->pages))
        page->scene->disconnect(this);
    // The frame is this window's parent; it goes once this window has left it.
    QWidget *frame = m_frame;
    setParent(nullptr);
    delete frame;
}

bool MainWindow::chineseActive()
{
    return chinese;
}

void MainWindow::connectWorkspace()
{
    connect(m_ws, &TouchWorkspace::pageShown, this, &MainWindow::showPage);
    connect(m_ws, &TouchWorkspace::sceneCreated, this, &MainWindow::connectScene);
    connect(m_ws, &TouchWorkspace::pagesAboutToBeDropped, &m_undoStack, &QUndoStack::clear);
    connect(m_ws, &TouchWorkspace::tableChanged, this, &MainWindow::writeTable);
    connect(m_ws, &TouchWorkspace::statusChanged, lbl_status, &QLabel::setText);
    connect(m_ws, &TouchWorkspace::newProjectRequested, this, &MainWindow::newPro);
    connect(m_ws, &TouchWorkspace::recordOpened, this, &MainWindow::saveOpenRecord);
}

void MainWindow::connectScene(PageScene *scene)
{
    connect(scene, &QGraphicsScene::selectionChanged, this, &MainWindow::itemSelected);
    // The panel shows the new place or size before the command is recorded.
    connect(scene, &DrawScene::itemMoved, this,
        [this](QGraphicsItem *item) { itemShow(item ? item : editedArea()); });
    connect(scene, &DrawScene::itemResize, this, [this](QGraphicsItem *item) { itemShow(item); });
    recordSceneChanges(scene, &m_undoStack, RecordedChanges::Shapes);
    connect(scene, &DrawScene::positionChange, this, &MainWindow::positionChanged);
}

void MainWindow::showPage(int, PageScene *scene)
{
    if (scene == m_scene)
        return;
    // The chosen tool stays chosen from one page to the next.
    if (m_scene)
        m_tool = m_scene->mode();
    m_scene = scene;
    graphicsView->setScene(scene);
    if (scene)
        scene->setMode(m_tool);
    itemSelected();
}

void MainWindow::newPro()
{
    DlgNewPro dialog(this);
    connect(&dialog, &DlgNewPro::sendData, this,
        [this](const QString &size, const QString &pixmap, const QString &path) {
            m_undoStack.clear();
            m_ws->createPro(size, pixmap, path);
        });
    dialog.exec();
}

void MainWindow::open()
{
    m_undoStack.clear();
    m_ws->open();
}

void MainWindow::save()
{
    m_ws->save();
}

void MainWindow::getHmiConfig()
{
    m_ws->getHmiConfig();
}

void MainWindow::switchLanguage()
{
    QTranslator translator;
    if (chinese) {
        actionLanguage->setIcon(QIcon(QStringLiteral("://icons/en.png")));
        chinese = false;
        loadSwitchCatalogue(&translator, QStringLiteral("en.qm"));
    } else {
        actionLanguage->setIcon(QIcon(QStringLiteral("://icons/cn.png")));
        chinese = true;
        loadSwitchCatalogue(&translator, QStringLiteral("cn.qm"));
    }
    QCoreApplication::installTranslator(&translator);
    retranslateUi();
    QCoreApplication::removeTranslator(&translator);
}

void MainWindow::openRecord()
{
    DlgProRecord dialog(this);
    connect(&dialog, &DlgProRecord::openProject, this, &MainWindow::openProjectFile);
    dialog.exec();
}

void MainWindow::openProjectFile(const QString &fileName)
{
    m_undoStack.clear();
    m_ws->openByPath(fileName);
    // The label names the project that is open, whichever way it was opened.
    if (!m_ws->projectFile.isEmpty())
        lbl_status->setText(m_ws->projectFile);
}

void MainWindow::loadControls()
{
    m_ws->loadControls();
}

void MainWindow::previewFromCurrent()
{
    qCDebug(touchLog).noquote() << "from current";
    const QTableWidgetItem *item = tableWidget->item(tableWidget->currentRow(), 0);
    const int page
        = item ? item->text().toInt() : (m_ws->pages.isEmpty() ? 0 : m_ws->pages.firstKey());
    runPreview(this, m_ws->pages, page);
}

void MainWindow::previewFromHead()
{
    qCDebug(touchLog).noquote() << "from head";
    runPreview(this, m_ws->pages, 0);
}

void MainWindow::saveOpenRecord(const QString &path)
{
    ::saveOpenRecord(this, path);
}

void MainWindow::on_copy()
{
    if (m_scene)
        copyShapes(m_scene);
}

void MainWindow::on_paste()
{
    if (m_scene)
        pasteShapes(m_scene, &m_undoStack);
}

void MainWindow::on_cut()
{
    if (m_scene)
        cutShapes(m_scene, &m_undoStack);
}

void MainWindow::deleteItem()
{
    if (!m_scene || m_scene->selectedItems().isEmpty())
        return;
    m_undoStack.push(new RemoveShapeCommand(m_scene));
}

void MainWindow::zoomIn()
{
    graphicsView->scale(1.2, 1.2);
}

void MainWindow::zoomOut()
{
    graphicsView->scale(0.8333333333333334, 0.8333333333333334);
}

void MainWindow::addShape()
{
    m_tool = sender() == actionRect ? rectangle : selection;
    if (m_scene)
        m_scene->setMode(m_tool);
}

void MainWindow::alignSelection()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (m_scene && action)
        m_scene->align(alignModeOf(action));
}

void MainWindow::on_btnHide_toggled(bool checked)
{
    widgetPages->setVisible(!checked);
}

void MainWindow::on_btnAddPic_clicked()
{
    m_ws->on_btnAddPic_clicked();
}

void MainWindow::on_btnDelPic_clicked()
{
    QList<int> numbers;
    for (const QTableWidgetSelectionRange &range : tableWidget->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            numbers.append(tableWidget->item(row, 0)->text().toInt());
    }
    m_ws->on_btnDelPic_clicked(numbers);
}

void MainWindow::showPicSelect(int who)
{
    auto *form = new FrmPicSelect(m_ws->pages, who, this);
    form->setWindowFlags(Qt::Window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::ApplicationModal);
    connect(form, &FrmPicSelect::sendData, this, &MainWindow::selectedPic);
    form->show();
}

void MainWindow::on_btn_pixNum_clicked()
{
    showPicSelect(1);
}

void MainWindow::on_btn_cartoon_clicked()
{
    showPicSelect(2);
}

void MainWindow::addScene(QTableWidgetItem *item)
{
    if (!item)
        return;
    if (const QTableWidgetItem *number = tableWidget->item(item->row(), 0))
        m_ws->addScene(number->text().toInt());
}

void MainWindow::imgSelectChange()
{
    addScene(tableWidget->item(tableWidget->currentRow(), 0));
}

void MainWindow::writeTable()
{
    const QSignalBlocker blocker(tableWidget);
    tableWidget->clearContents();
    tableWidget->setRowCount(m_ws->pages.size());
    int row = 0;
    for (const PicMsg *page : qAsConst(m_ws->pages)) {
        tableWidget->setItem(row, 0, new QTableWidgetItem(QString::number(page->number)));
        tableWidget->setItem(row, 1, new QTableWidgetItem(page->file.fileName()));
        ++row;
    }
}

GraphicsRectItem *MainWindow::editedArea() const
{
    if (!m_scene)
        return nullptr;
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    if (selected.isEmpty() || !isTouchArea(selected.constFirst()))
        return nullptr;
    return static_cast<GraphicsRectItem *>(selected.constFirst());
}

void MainWindow::changeItem(const QString &text)
{
    GraphicsRectItem *area = editedArea();
    if (!area) {
        qCDebug(touchLog).noquote() << "no select item";
        return;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    qCDebug(touchLog).noquote() << "input text" << text << " ,input hex com:" << value;
    if (!ok)
        return;
    const QObject *field = sender();
    if (field == txt_x)
        area->setPos(value, area->pos().y());
    else if (field == txt_y)
        area->setPos(area->pos().x(), value);
    else if (field == txt_w)
        area->setWidth(value);
    else if (field == txt_h)
        area->setHeight(value);
    area->update();
}

void MainWindow::changeItem16(const QString &text)
{
    GraphicsRectItem *area = editedArea();
    if (!area) {
        qCDebug(touchLog).noquote() << "no select item";
        return;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    if (ok)
        touchFields(area)->command = value;
}

void MainWindow::spSetVal(int value)
{
    GraphicsRectItem *area = editedArea();
    if (!area) {
        qCDebug(touchLog).noquote() << "no select item";
        return;
    }
    TouchFields *fields = touchFields(area);
    if (sender() == sp_pixNum)
        fields->picNum = value;
    else if (sender() == sp_cartoon)
        fields->pressedPage = value;
}

void MainWindow::selectedPic(int who, int key)
{
    qCDebug(touchLog).noquote() << "who=" << who << "key=" << key;
    if (who == 1)
        sp_pixNum->setValue(key);
    else if (who == 2)
        sp_cartoon->setValue(key);
}

void MainWindow::itemSelected()
{
    const QList<QGraphicsItem *> selected
        = m_scene ? m_scene->selectedItems() : QList<QGraphicsItem *>();
    if (selected.size() == 1 && isTouchArea(selected.constFirst())) {
        const TouchFields *area = touchFields(selected.constFirst());
        // The spin boxes clamp; a value outside their range goes back to the area.
        const int picNum = area->picNum;
        const int pressedPage = area->pressedPage;
        sp_pixNum->setValue(picNum);
        sp_cartoon->setValue(pressedPage);
        itemShow(selected.constFirst());
        return;
    }
    for (QLineEdit *field : { txt_x, txt_y, txt_w, txt_h })
        field->setText(QStringLiteral("0"));
    {
        // Nothing is selected: there is no area for the spin boxes to write to.
        const QSignalBlocker pix(sp_pixNum);
        const QSignalBlocker cartoon(sp_cartoon);
        sp_pixNum->setValue(-1);
        sp_cartoon->setValue(-1);
    }
    txt_com->setText(QStringLiteral("-1"));
}

void MainWindow::itemShow(QGraphicsItem *item)
{
    if (!isTouchArea(item))
        return;
    const auto *area = static_cast<const GraphicsRectItem *>(item);
    txt_x->setText(QString::number(int(area->scenePos().x())));
    txt_y->setText(QString::number(int(area->scenePos().y())));
    txt_w->setText(QString::number(int(area->width())));
    txt_h->setText(QString::number(int(area->height())));
    txt_com->setText(QString::number(touchFields(item)->command, 16));
}

void MainWindow::positionChanged(int x, int y)
{
    lbl_x->setText(QString::number(x));
    lbl_y->setText(QString::number(y));
}

void MainWindow::updateActions()
{
    const bool shown = m_scene != nullptr;
    const int selected = shown ? m_scene->selectedItems().size() : 0;
    for (QAction *action : { actionZoomIn, actionZoomOut, actionSelect, actionRect })
        action->setEnabled(shown);
    actionUndo->setEnabled(m_undoStack.canUndo());
    actionRedo->setEnabled(m_undoStack.canRedo());
    for (QAction *action : alignActions) {
        const AlignMode mode = alignModeOf(action);
        const bool spacing = mode == SpaceHorizontally || mode == SpaceVertically;
        action->setEnabled(spacing ? selected > 2 : selected > 1);
    }
    for (QAction *action : { actionCopy, actionCut, actionDelete })
        action->setEnabled(selected >= 1);
}
