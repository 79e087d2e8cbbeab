// The touch tool's pictures for the guide: TOUCHTOOL_SHOTS OUTPUT_FOLDER EXAMPLES_FOLDER
#include <QFileInfo>
#include <QGraphicsItem>

#include "pagescene.h"
#include "dlgpreview.h"
#include "drawscene.h"
#include "mainwindow.h"
#include "shotsupport.h"
#include "touchresources.h"
#include "touchworkspace.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc != 3)
        return 2;
    initShellResources();
    NoPrompt prompt;
    initTouchResources();
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString examples = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    // The recent-projects list is written to the working folder.
    QDir::setCurrent(QDir::tempPath());
    MainWindow window;
    window.workspace()->openByPath(examples + QStringLiteral("/touch/LMprj.hmi"));
    const QList<QGraphicsItem *> items = window.currentScene()->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (item->type() == QGraphicsItem::UserType + 1) {
            item->setSelected(true);
            break;
        }
    }
    bool ok = shoot(window.frame(), QSize(1440, 820), out, QStringLiteral("touchtool-main.png"));
    DlgPreview preview(&window);
    preview.start(window.workspace()->pages, 0);
    ok = shoot(&preview, QSize(620, 380), out, QStringLiteral("touchtool-preview.png")) && ok;
    preview.close();
    QApplication::processEvents();
    return ok ? 0 : 1;
}
