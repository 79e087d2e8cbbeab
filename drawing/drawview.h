#pragma once

#include <QGraphicsView>

class QtCornerBox;
class QtRuleBar;

// The icon-font tool's view: rulers along the top and left edges, a corner box where
// they meet, fixed zoom steps and the pointer's scene position by signal.
class DrawView : public QGraphicsView
{
    Q_OBJECT

public:
    // The rulers and the corner box are children; the view deletes itself when closed.
    explicit DrawView(QGraphicsScene *scene, QWidget *parent = nullptr);

    QtRuleBar *horizontalRuler() const { return m_hruler; }
    QtRuleBar *verticalRuler() const { return m_vruler; }
    QtCornerBox *cornerBox() const { return m_box; }

public slots:
    void zoomIn();
    void zoomOut();
    // Puts both rulers' ranges in step with the current scroll and zoom; needs a scene.
    void updateRuler();

signals:
    // Scene coordinates of the pointer, truncated towards zero.
    void positionChanged(int x, int y);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void closeEvent(QCloseEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    QtRuleBar *m_hruler;
    QtRuleBar *m_vruler;
    QtCornerBox *m_box;
};
