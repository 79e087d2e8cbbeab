#include "mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QGraphicsItem>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include "alignactions.h"
#include "commands.h"
#include "dlgnewpro.h"
#include "drawscene.h"
#include "drawtool.h"
#include "drawview.h"
#include "frmpropertyedit.h"
#include "glyphscene.h"
#include "character.h"
#include "fontscene.h"
#include "prompt.h"
#include "scenecommands.h"
#include "shapemimedata.h"
#include "shapevisit.h"
#include "startup.h"
#include "zaflog.h"
#include "zafworkspace.h"

namespace {

QString lowerHex(int value)
{
    return QString::number(value, 16);
}

bool isShape(const QGraphicsItem *item)
{
    return item && item->type() == ShapeType;
}

} // namespace

MainWindow::MainWindow(QWidget *parent, bool askForProjectAtStart)
    : QMainWindow(parent)
    , m_ws(new ZafWorkspace(this))
{
    m_ws->setDialogParent(this);
    setupUi();
    retranslateUi();
    connectWorkspace();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    showMaximized();

    m_actionTimer = new QTimer(this);
    connect(m_actionTimer, &QTimer::timeout, this, &MainWindow::updateActions);
    m_actionTimer->start(500);
    updateActions();
    if (askForProjectAtStart)
        QTimer::singleShot(0, this, &MainWindow::askForProject);
}

MainWindow::~MainWindow()
{
    // Commands refer to the items of the scenes, which go with the workspace.
    m_undoStack.clear();
    graphicsView->setScene(nullptr);
    QCoreApplication::processEvents();
    // The workspace is deleted with this window's children, when this window is no longer
    // whole: neither it nor its scenes may call this window's slots then.
    m_ws->disconnect(this);
    for (const auto &entry : m_ws->fontImages)
        entry.second->scene->disconnect(this);
}

void MainWindow::askForProject()
{
    // A project named on the command line opens without the start-up question.
    const QString file = fileArgument(QStringLiteral(".prozaf"));
    if (!file.isEmpty()) {
        m_ws->loadFile(file);
        return;
    }
    DlgNewPro dialog(this);
    connect(&dialog, &DlgNewPro::newPro, m_ws, &ZafWorkspace::loadProPath);
    connect(&dialog, &DlgNewPro::oldPro, m_ws, &ZafWorkspace::loadFile);
    dialog.exec();
}

void MainWindow::connectWorkspace()
{
    connect(m_ws, &ZafWorkspace::sceneShown, this, &MainWindow::showScene);
    connect(m_ws, &ZafWorkspace::sceneCreated, this, &MainWindow::connectScene);
    connect(m_ws, &ZafWorkspace::tableChanged, this, &MainWindow::writeTable);
    connect(m_ws, &ZafWorkspace::propertiesCleared, this, &MainWindow::clearCharacterFields);
    connect(m_ws, &ZafWorkspace::projectLabelChanged, labelProject, &QLabel::setText);
    connect(m_ws, &ZafWorkspace::progress, this, &MainWindow::showProgress);
}

void MainWindow::connectScene(FontScene *scene)
{
    connect(scene, &QGraphicsScene::selectionChanged, this, &MainWindow::itemSelected);
    recordSceneChanges(scene, &m_undoStack, RecordedChanges::ShapesRotationsAndControlPoints);
    // The panel follows a character that is moved or resized.
    connect(scene, &DrawScene::itemMoved, this, &MainWindow::itemSelected);
    connect(scene, &DrawScene::itemResize, this, &MainWindow::itemSelected);
    connect(scene, &DrawScene::positionChange, this, &MainWindow::positionChanged);
    connect(scene, &DrawScene::rotatePointChange, this, &MainWindow::itemShow);
    connect(scene, &DrawScene::itemAttrSet, this, &MainWindow::propertyWinShow);
}

void MainWindow::showScene(FontScene *scene)
{
    if (scene == m_scene)
        return;
    // Commands of another font image would change what the user no longer sees.
    m_undoStack.clear();
    // The chosen tool stays chosen from one picture to the next.
    if (m_scene)
        m_tool = m_scene->mode();
    m_scene = scene;
    graphicsView->setScene(scene);
    if (scene) {
        scene->setMode(m_tool);
        graphicsView->updateRuler();
    }
    itemSelected();
}

void MainWindow::titlePress(QPoint p)
{
    m_titleDrag.press(this, p);
}

void MainWindow::titleMove(QPoint p)
{
    m_titleDrag.move(this, p);
}

void MainWindow::titleMin()
{
    setWindowState(Qt::WindowMinimized);
}

void MainWindow::titleMax()
{
    if (isMaximized()) {
        setWindowState(Qt::WindowNoState);
        actionMax->setIcon(QIcon(QStringLiteral("://icons/max.png")));
    } else {
        setWindowState(Qt::WindowMaximized);
        actionMax->setIcon(QIcon(QStringLiteral("://icons/resize.png")));
    }
}

void MainWindow::newpro()
{
    m_undoStack.clear();
    m_ws->newpro();
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

void MainWindow::saveAs()
{
    m_ws->saveAs();
}

void MainWindow::deleteItem()
{
    qCDebug(zafLog).noquote() << "deleteItem";
    if (!m_scene || m_scene->selectedItems().isEmpty())
        return;
    m_undoStack.push(new RemoveShapeCommand(m_scene));
}

void MainWindow::on_cut()
{
    if (m_scene)
        cutShapes(m_scene, &m_undoStack);
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

void MainWindow::zoomIn()
{
    graphicsView->zoomIn();
}

void MainWindow::zoomOut()
{
    graphicsView->zoomOut();
}

void MainWindow::chooseTool(int shape)
{
    m_tool = DrawShape(shape);
    if (m_scene)
        m_scene->setMode(m_tool);
}

void MainWindow::scanImage()
{
    if (!m_scene)
        return;
    // The scan deletes the characters that the commands refer to.
    m_undoStack.clear();
    m_ws->scanImage(m_scene);
}

void MainWindow::mergeItems()
{
    if (!m_scene)
        return;
    m_undoStack.clear();
    ::mergeItems(m_scene);
}

void MainWindow::alignSelection()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (m_scene && action)
        m_scene->align(alignModeOf(action));
}

void MainWindow::on_actionBringToFront_triggered()
{
    if (!m_scene)
        return;
    qreal top = 0;
    for (QGraphicsItem *item : m_scene->items())
        if (isShape(item) && !item->isSelected())
            top = qMax(top, item->zValue());
    for (QGraphicsItem *item : m_scene->selectedItems())
        item->setZValue(top + 1);
}

void MainWindow::on_actionSendToBack_triggered()
{
    if (!m_scene)
        return;
    qreal bottom = 0;
    for (QGraphicsItem *item : m_scene->items())
        if (isShape(item) && !item->isSelected())
            bottom = qMin(bottom, item->zValue());
    for (QGraphicsItem *item : m_scene->selectedItems())
        item->setZValue(bottom - 1);
}

void MainWindow::getZAF()
{
    m_ws->getZAF();
}

void MainWindow::btnAddPicClicked()
{
    m_ws->btnAddPicClicked();
}

void MainWindow::deleteSelectedFontImages()
{
    QList<int> numbers;
    for (const QTableWidgetSelectionRange &range : tableWidget->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            numbers.append(tableWidget->item(row, 0)->text().toInt());
    }
    if (numbers.isEmpty())
        return;
    m_undoStack.clear();
    m_ws->deleteFontImages(numbers);
}

void MainWindow::getStandardFont()
{
    m_ws->getStandardFont();
}

void MainWindow::addScene(QTableWidgetItem *item)
{
    if (!item)
        return;
    const QTableWidgetItem *number = tableWidget->item(item->row(), 0);
    if (number)
        m_ws->addScene(number->text().toInt());
}

void MainWindow::writeTable()
{
    m_fillingTable = true;
    const QVector<FontImageRow> rows = m_ws->tableRows();
    tableWidget->clearContents();
    tableWidget->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const FontImageRow &r = rows[row];
        const QString texts[] = { r.number, r.fileName, r.filter, r.encryptionKey };
        for (int column = 0; column < 4; ++column) {
            auto *cell = new QTableWidgetItem(texts[column]);
            if (column < 2)
                cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
            tableWidget->setItem(row, column, cell);
        }
    }
    m_fillingTable = false;
}

void MainWindow::onTableItemChanged(QTableWidgetItem *item)
{
    if (m_fillingTable || item->column() < 2)
        return;
    const auto image = m_ws->fontImages.find(tableWidget->item(item->row(), 0)->text().toInt());
    bool ok = false;
    const int value = item->text().toInt(&ok, 16);
    if (image == m_ws->fontImages.end() || !ok)
        return;
    if (item->column() == 2)
        image->second->scene->filter = value;
    else
        image->second->scene->encryptionKey = value;
}

QGraphicsItem *MainWindow::firstSelected() const
{
    if (!m_scene)
        return nullptr;
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

void MainWindow::itemSelected()
{
    const QList<QGraphicsItem *> selected
        = m_scene ? m_scene->selectedItems() : QList<QGraphicsItem *>();
    if (selected.size() == 1)
        itemShow(selected.constFirst());
    else
        clearCharacterFields();
}

void MainWindow::itemShow(QGraphicsItem *item)
{
    auto *rect = dynamic_cast<GraphicsRectItem *>(item);
    const CharacterFields *fields = characterFields(item);
    if (!rect || !fields)
        return;
    m_fillingPanel = true;
    editAsc->setText(lowerHex(fields->asc));
    spinX->setValue(int(rect->pos().x()));
    spinY->setValue(int(rect->pos().y()));
    spinWidth->setValue(int(rect->width()));
    spinHeight->setValue(int(rect->height()));
    spinRcX->setValue(int(fields->rc_x));
    spinRcY->setValue(int(fields->rc_y));
    m_fillingPanel = false;
}

void MainWindow::clearCharacterFields()
{
    m_fillingPanel = true;
    editAsc->clear();
    for (QSpinBox *box : { spinX, spinY, spinWidth, spinHeight, spinRcX, spinRcY })
        box->clear();
    m_fillingPanel = false;
}

void MainWindow::ascValInputed(const QString &text)
{
    QGraphicsItem *item = firstSelected();
    if (!item) {
        qCDebug(zafLog).noquote() << "no select item";
        return;
    }
    bool ok = false;
    const int key = text.toInt(&ok, 16);
    CharacterFields *fields = characterFields(item);
    if (ok && fields && dynamic_cast<GraphicsRectItem *>(item))
        fields->asc = key;
}

void MainWindow::changeItem()
{
    if (m_fillingPanel)
        return;
    QGraphicsItem *item = firstSelected();
    if (!item) {
        qCDebug(zafLog).noquote() << "no select item";
        return;
    }
    item->setPos(spinX->value(), spinY->value());
}

void MainWindow::positionChanged(int x, int y)
{
    statusBar()->showMessage(QString::asprintf("%d,%d", x, y));
    labelX->setText(QString::number(x));
    labelY->setText(QString::number(y));
}

void MainWindow::hidePro()
{
    const bool show = !widgetCharacter->isVisible();
    widgetCharacter->setVisible(show);
    btnHide->setIcon(
        QIcon(show ? QStringLiteral("://icons/hide.png") : QStringLiteral("://icons/show.png")));
}

void MainWindow::propertyWinShow()
{
    const QString notice = tr("提示");
    if (!m_scene) {
        Prompt::current().information(this, notice, tr("未选择图片"));
        return;
    }
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    if (selected.size() > 1) {
        Prompt::current().information(this, notice, tr("选择过多字符"));
        return;
    }
    auto *rect
        = selected.isEmpty() ? nullptr : dynamic_cast<GraphicsRectItem *>(selected.constFirst());
    if (!rect || !characterFields(rect)) {
        Prompt::current().information(this, notice, tr("未选择字符"));
        return;
    }
    auto *editor = new FrmPropertyEdit(rect, m_scene, this);
    connect(editor, &FrmPropertyEdit::changeItem, this, &MainWindow::changeItemAttr);
    editor->show();
}

void MainWindow::changeItemAttr(GraphicsRectItem *item)
{
    itemShow(item);
    if (m_scene)
        m_scene->update();
}

void MainWindow::updateActions()
{
    const bool shown = m_scene != nullptr;
    const int selected = shown ? m_scene->selectedItems().size() : 0;
    for (QAction *action : m_toolGroup->actions())
        action->setEnabled(shown);
    for (QAction *action : { actionDelete, actionCut, actionCopy, actionPaste, actionZoomIn,
             actionZoomOut, actionScan, actionMerge })
        action->setEnabled(shown);
    actionUndo->setEnabled(m_undoStack.canUndo());
    actionRedo->setEnabled(m_undoStack.canRedo());
    actionBringToFront->setEnabled(selected >= 1);
    actionSendToBack->setEnabled(selected >= 1);
    for (QAction *action : alignActions)
        action->setEnabled(selected >= 2);
}

void MainWindow::showProgress(int done, int total, const QString &name)
{
    if (!m_progress) {
        m_progress = new QProgressDialog(this);
        m_progress->setObjectName(QStringLiteral("progressDialog"));
        m_progress->setWindowModality(Qt::WindowModal);
        // The work cannot be stopped half-way without changing its results.
        m_progress->setCancelButton(nullptr);
        m_progress->setMinimumDuration(500);
        m_progress->setAutoClose(true);
        m_progress->setAutoReset(true);
    }
    m_progress->setMaximum(total);
    m_progress->setLabelText(name);
    m_progress->setValue(done);
}
