#include "drawview.h"

#include "graphicsitem.h"
#include "rulebar.h"

#include <QMouseEvent>

namespace {

// Rulers are this thick; the viewport keeps one pixel less clear for them.
const int rulerSize = 16;
const int viewportMargin = 15;

} // namespace

DrawView::DrawView(QGraphicsScene *scene, QWidget *parent)
    : QGraphicsView(scene, parent)
    , m_hruler(new QtRuleBar(Qt::Horizontal, this, this))
    , m_vruler(new QtRuleBar(Qt::Vertical, this, this))
    , m_box(new QtCornerBox(this))
{
    setViewport(new QWidget);
    // Qt tracks the pointer only over scenes with hover items; the rulers and the
    // position display need every move.
    viewport()->setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose);
}

void DrawView::zoomIn()
{
    scale(1.2, 1.2);
    updateRuler();
}

void DrawView::zoomOut()
{
    scale(0.8333333333333334, 0.8333333333333334);
    updateRuler();
}

void DrawView::updateRuler()
{
    if (!scene())
        return;
    const double w = width();
    const double h = height();
    const QPoint p = mapFromScene(sceneRect().topLeft());
    const double g = 1.0 / transform().m11();

    const double hLower = -p.x() * g;
    const double hUpper = (w - rulerSize - p.x()) * g;
    m_hruler->setRange(hLower, hUpper, hUpper - hLower);

    // The vertical bar counts upwards, so points below the scene's top are negative.
    m_vruler->setRange(p.y() * g, -(h - rulerSize - p.y()) * g, -(h - rulerSize) * g);
}

void DrawView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF s = mapToScene(event->pos());
    m_hruler->updatePosition(event->pos());
    m_vruler->updatePosition(event->pos());
    emit positionChanged(int(paintable(s.x())), int(paintable(s.y())));
    QGraphicsView::mouseMoveEvent(event);
}

void DrawView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    setViewportMargins(viewportMargin, viewportMargin, 0, 0);
    m_hruler->setGeometry(rulerSize, 0, width() - rulerSize - 1, rulerSize);
    m_vruler->setGeometry(0, rulerSize, rulerSize, height() - rulerSize - 1);
    m_box->setGeometry(0, 0, rulerSize, rulerSize);
    updateRuler();
}

void DrawView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    updateRuler();
}

void DrawView::closeEvent(QCloseEvent *event)
{
    // The tools never mark the view modified, so there is nothing to ask before closing.
    QGraphicsView::closeEvent(event);
}

void DrawView::drawBackground(QPainter *painter, const QRectF &rect)
{
    QGraphicsView::drawBackground(painter, rect);
}
