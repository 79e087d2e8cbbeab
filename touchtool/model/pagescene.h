#pragma once

#include "drawscene.h"

#include <QPixmap>
#include <QSize>

class QFileInfo;

// The scene of one page: it paints the page picture as its background, and its rectangle
// is (0, 0, picture width, picture height), so scene coordinates are module pixels.
class PageScene : public DrawScene
{
    Q_OBJECT

public:
    // A picture that cannot be read, or whose header claims more pixels than the tools
    // take, gives a page of 0 x 0.
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

// The picture at `file` decoded, or none when it cannot be, or when its header claims more
// pixels than the tools take: decoding it would exhaust memory.
QPixmap pagePicture(const QString &file);

// Empty when the picture at `file` may be decoded, else why not, naming the file.
QString pagePictureProblem(const QString &file);

// The page size of `scene`: its picture's size for a page scene, else its rectangle's.
QSize pageSize(const DrawScene *scene);
