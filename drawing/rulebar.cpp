#include "rulebar.h"

#include "graphicsitem.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

namespace {

const double scales[]
    = { 1, 2, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 10000, 25000, 50000, 100000 };
const int scaleCount = int(sizeof(scales) / sizeof(scales[0]));
const int subdivide[] = { 1, 5, 10, 50, 100 };

// Steps this close together would merge into a grey band.
const double minTickSpacing = 5;

// The first scale whose labels fit; the largest when none does.
int scaleIndex(double increment, double textWidth)
{
    for (int s = 0; s < scaleCount; ++s) {
        if (scales[s] * std::abs(increment) > textWidth)
            return s;
    }
    return scaleCount - 1;
}

} // namespace

QtRuleBar::QtRuleBar(Qt::Orientation orientation, DrawView *view, QWidget *parent)
    : QWidget(parent)
    , orientation(orientation)
    , view(view)
{
    QFont f = parent ? parent->font() : font();
    f.setWeight(50);
    f.setPixelSize(10);
    setFont(f);
}

void QtRuleBar::setRange(double lower, double upper, double maxSize)
{
    this->lower = lower;
    this->upper = upper;
    this->maxSize = maxSize;
    update();
}

void QtRuleBar::updatePosition(const QPoint &pos)
{
    cursorPos = pos;
    update();
}

QString QtRuleBar::labelText(int value)
{
    if (std::abs(value) >= 2000 && value % 1000 == 0)
        return QString::asprintf("%dk", value / 1000);
    return QString::asprintf("%d", value);
}

void QtRuleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, background);
    if (orientation == Qt::Horizontal)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    else
        painter.drawLine(r.topRight(), r.bottomRight());
    drawTicks(&painter);
    drawPointer(&painter);
}

void QtRuleBar::drawTicks(QPainter *painter)
{
    if (upper == lower)
        return;
    const bool horizontal = orientation == Qt::Horizontal;
    const int thickness = horizontal ? height() : width();
    const int length = horizontal ? width() : height();
    const double increment = length / (upper - lower);

    const int dh = fontMetrics().height();
    const QString text = QString::number(qint64(std::ceil(maxSize)));
    const double textWidth = 2.0 * text.size() * dh + 2;
    const int s = scaleIndex(increment, textWidth);

    int previousLength = 0;
    for (int k = 4; k >= 0; --k) {
        const double step = (k == 1 && s == 1) ? 1.0 : scales[s] / subdivide[k];
        if (step * std::abs(increment) <= minTickSpacing)
            continue;
        const int tickLength = std::max(thickness / (k + 1) - 1, previousLength + 1);
        previousLength = tickLength;
        const double start = std::floor(std::min(lower, upper) / step) * step;
        const double end = std::ceil(std::max(lower, upper) / step) * step;
        if (end < start)
            continue;
        for (int n = 0;; ++n) {
            const double v = start + n * step;
            if (v > end)
                break;
            const int pos = qRound((v - lower) * increment + 1e-12);
            drawTick(painter, pos, tickLength);
            if (k != 0)
                continue;
            const double spacing = std::abs(increment * scales[s] / subdivide[0]);
            const bool zero = v == 0.0;
            if ((spacing > 6 * dh || n % 2 == 0 || zero)
                && (spacing > 3 * dh || zero || n % 4 == 0))
                drawLabel(painter, pos, v);
        }
    }
}

void QtRuleBar::drawTick(QPainter *painter, int pos, int length)
{
    const int t = orientation == Qt::Horizontal ? height() : width();
    if (orientation == Qt::Horizontal)
        painter->drawLine(pos, t - length, pos, t - 1);
    else
        painter->drawLine(t - length, pos, t - 1, pos);
}

void QtRuleBar::drawLabel(QPainter *painter, int pos, double value)
{
    const QString label = labelText(int(paintable(value)));
    const int lw = fontMetrics().horizontalAdvance(label);
    if (orientation == Qt::Horizontal) {
        painter->drawText(QRect(pos + 2, 0, lw, 16), Qt::AlignLeft | Qt::AlignTop, label);
        return;
    }
    painter->save();
    painter->translate(4, pos + lw / 2 + 2);
    painter->rotate(90);
    painter->drawText(QRect(-lw / 2, -8, lw, 16), Qt::AlignRight, label);
    painter->restore();
}

void QtRuleBar::drawPointer(QPainter *painter)
{
    if (orientation == Qt::Horizontal)
        painter->drawLine(cursorPos.x(), 0, cursorPos.x(), height());
    else
        painter->drawLine(0, cursorPos.y(), width(), cursorPos.y());
}

QtCornerBox::QtCornerBox(QWidget *parent)
    : QWidget(parent)
{
}

void QtCornerBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, Qt::white);
    painter.setPen(Qt::DashLine);
    painter.drawLine(r.width() / 2, 0, r.width() / 2, r.height());
    painter.drawLine(0, r.height() / 2, r.width(), r.height() / 2);
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.bottomRight());
}
