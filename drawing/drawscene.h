#pragma once

#include "drawingnamespace.h"

#include <QGraphicsScene>
#include <QPointF>

class QGraphicsPixmapItem;
class QGraphicsRectItem;
class QGraphicsSceneMouseEvent;

DRAWING_BEGIN_NAMESPACE

class GraphicsItemGroup;

// The shapes of one picture: forwards mouse events to the current tool, nudges the
// selection with the arrow keys, aligns, groups, and reports every finished user change
// by signal for the main window to turn into undo commands.
class DrawScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit DrawScene(QObject *parent = nullptr);

    // Aligns (0-6), distributes (7, 8) or equalises (9-11) the selected items against the
    // first selected one.
    void align(int mode);
    GraphicsItemGroup *createGroup(const QList<QGraphicsItem *> &items, bool addToScene = true);
    void destroyGroup(QGraphicsItemGroup *group);
    // Qt's own scene handling of a press, move or release, for tools that want it.
    void mouseEvent(QGraphicsSceneMouseEvent *event);

    // The hidden empty rectangle every scene carries; never drawn, never selected.
    QGraphicsRectItem *emptyItem() const { return m_emptyItem; }

    QPointF nudgeDelta; // arrow-key steps since the last key release
    bool nudged = false; // the last key press was an arrow key

#ifdef DRAWING_ZAF
    QString file;          // the font image's picture
    int number = 0;        // font number
    int picWidth = 0;      // picture size in pixels
    int picHeight = 0;
    int secury = 1;        // encryption key, 0 off
    int filter = 32;       // background filter strength
    QGraphicsPixmapItem *background = nullptr;
#endif
#ifdef DRAWING_TOUCH
    QString file; // the page picture, painted as the background
#endif

signals:
    // `oldPosition` is the distance moved, not a position; null item for arrow keys.
    void itemMoved(QGraphicsItem *item, const QPointF &oldPosition);
    void itemRotate(QGraphicsItem *item, const qreal oldAngle);
    void itemAdded(QGraphicsItem *item);
    void itemResize(QGraphicsItem *item, int handle, const QPointF &scale);
    void itemControl(QGraphicsItem *item, int handle, const QPointF &newPos,
                     const QPointF &lastPos_);
    void positionChange(int x, int y);
    void rotatePointChange(QGraphicsItem *item);
    void itemAttrSet();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void alignItems(int mode);
    void distributeItems(int mode);

    QGraphicsRectItem *m_emptyItem = nullptr;
};

DRAWING_END_NAMESPACE
