#pragma once

#include "drawscene.h"

#include <QSize>

class QFileInfo;

// The scene of one page: it paints the page picture as its background, and its rectangle
// is (0, 0, picture width, picture height), so scene coordinates are module pixels.
class PageScene : public DrawScene
{
    Q_OBJECT

public:
    // A picture that cannot be read gives a page of 0 x 0.
    explicit PageScene(const QFileInfo &picture, QObject *parent = nullptr);

    // The picture's size. Kept apart from the scene rectangle because Qt takes a 0 x 0
    // rectangle to mean "grow with the items".
    QSize pageSize() const { return m_pageSize; }

    QString file; // the page picture, painted as the background

protected:
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    QSize m_pageSize;
};

// The page size of `scene`: its picture's size for a page scene, else its rectangle's.
QSize pageSize(const DrawScene *scene);
