// The icon-font tool's pictures for the guide: ZAFTOOL_SHOTS OUTPUT_FOLDER EXAMPLES_FOLDER
#include <QGraphicsItem>
#include <QTableWidget>

#include "character.h"
#include "fontscene.h"
#include "drawscene.h"
#include "frmpropertyedit.h"
#include "graphicsrectitem.h"
#include "mainwindow.h"
#include "shotsupport.h"
#include "zafresources.h"
#include "zafworkspace.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc != 3)
        return 2;
    initShellResources();
    NoPrompt prompt;
    initZafResources();
    const QString out = QString::fromLocal8Bit(argv[1]);
    MainWindow window(nullptr, false);
    window.showNormal();
    window.workspace()->loadFile(
        QString::fromLocal8Bit(argv[2]) + QStringLiteral("/zaf/lumo.prozaf"));
    GraphicsRectItem *character = nullptr;
    for (QGraphicsItem *item : window.currentScene()->items())
        if ((character = dynamic_cast<GraphicsRectItem *>(item))
            && characterFields(character)->asc == 0x32)
            break;
    if (character)
        character->setSelected(true);
    window.zoomIn();
    window.zoomIn();
    bool ok = shoot(&window, QSize(1440, 820), out, QStringLiteral("zaftool-main.png"));
    if (character) {
        auto *editor = new FrmPropertyEdit(character, window.currentScene(), &window);
        ok = shoot(editor, editor->sizeHint(), out, QStringLiteral("zaftool-editor.png")) && ok;
        editor->close();
    }
    QApplication::processEvents();
    return ok ? 0 : 1;
}
