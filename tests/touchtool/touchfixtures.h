#pragma once

#include "graphicsrectitem.h"
#include "pagescene.h"
#include "toucharea.h"
#include "picmsg.h"
#include "scriptedprompt.h"
#include "testfiles.h"

#include <QDir>
#include <QImage>
#include <QStringList>
#include <QtTest>

// Writes a plain picture of `size` at `path`.
inline void writePicture(const QString &path, const QSize &size = QSize(48, 32))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 200));
    QVERIFY2(image.save(path), qPrintable(path));
}

// A touch area at `pos` of `size`, added on top of `scene`.
inline GraphicsRectItem *addArea(PageScene *scene, const QPointF &pos, const QSizeF &size,
    int picNum = -1, int pressedPage = -1, int command = -1)
{
    auto *area = new TouchArea(QRect(0, 0, 1, 1), false);
    area->setWidth(size.width());
    area->setHeight(size.height());
    area->setPos(pos);
    touchFields(area)->picNum = picNum;
    touchFields(area)->pressedPage = pressedPage;
    touchFields(area)->command = command;
    scene->addItem(area);
    return area;
}

inline QList<int> pageNumbers(const PageMap &pages)
{
    return pages.keys();
}
