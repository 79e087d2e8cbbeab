// Paints the tool-bar icons of a program into a folder: the icon-font tool's ("zaf") or
// the touch tool's ("touch", which also writes the title-button backgrounds of lumo_icons).
// Build: g++ -fPIC make-icons.cpp $(pkg-config --cflags --libs Qt5Gui) -o make-icons
// Run:   QT_QPA_PLATFORM=offscreen ./make-icons zaf zaftool/icons
//        QT_QPA_PLATFORM=offscreen ./make-icons touch touchtool

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

const QColor ink(44, 62, 92);
const QColor accent(64, 158, 255);
const QColor paper(255, 255, 255);
const QColor red(214, 64, 52);
const QColor green(56, 158, 82);
const QColor amber(240, 184, 64);
const QColor deepBlue(42, 110, 200);

QPen stroke(const QColor &colour, qreal width = 2)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void box(QPainter &p, const QRectF &r, const QColor &fill, const QColor &line = ink)
{
    p.setPen(stroke(line, 1.5));
    p.setBrush(fill);
    p.drawRect(r);
}

void bar(QPainter &p, const QRectF &r)
{
    box(p, r, accent);
}

// A page with a folded top-right corner.
void page(QPainter &p, const QRectF &r)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(stroke(ink, 1.5));
    p.setBrush(paper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({ QPointF(r.right() - fold, r.top()),
        QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold) }));
}

void arrowHead(QPainter &p, const QPointF &tip, const QPointF &direction, qreal size = 4)
{
    const QPointF d = direction / std::hypot(direction.x(), direction.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.drawPolygon(
        QPolygonF({ tip, tip - d * size * 1.4 + n * size, tip - d * size * 1.4 - n * size }));
}

// A line with heads at both ends.
void doubleArrow(QPainter &p, const QPointF &a, const QPointF &b, const QColor &colour = red)
{
    p.setPen(stroke(colour, 1.5));
    const QPointF d = b - a;
    const QPointF u = d / std::hypot(d.x(), d.y());
    p.drawLine(a + u * 4, b - u * 4);
    p.setBrush(colour);
    arrowHead(p, a, -d, 3);
    arrowHead(p, b, d, 3);
}

// A round badge with a plus or minus, bottom right.
void badge(QPainter &p, bool plus)
{
    p.setPen(stroke(paper, 1.5));
    p.setBrush(plus ? green : red);
    p.drawEllipse(QPointF(24, 24), 7, 7);
    p.setPen(stroke(paper, 2.5));
    p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
    if (plus)
        p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
}

void picture(QPainter &p)
{
    p.setPen(stroke(ink, 1.5));
    p.setBrush(QColor(220, 236, 255));
    p.drawRoundedRect(QRectF(3, 6, 24, 19), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(amber);
    p.drawEllipse(QPointF(10, 12), 2.5, 2.5);
    p.setBrush(green);
    p.drawPolygon(QPolygonF(
        { QPointF(4, 24), QPointF(12, 15), QPointF(17, 20), QPointF(20, 17), QPointF(26, 24) }));
}

void magnifier(QPainter &p, bool plus)
{
    p.setPen(stroke(ink, 4));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(stroke(ink, 2));
    p.setBrush(paper);
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(stroke(accent, 2.5));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (plus)
        p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
}

// A curved arrow turning left (undo) or, mirrored, right (redo).
void turnArrow(QPainter &p, bool mirrored)
{
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(9, 12);
    path.lineTo(19, 12);
    path.cubicTo(26, 12, 28, 17, 28, 20);
    path.cubicTo(28, 24, 25, 27, 19, 27);
    path.lineTo(13, 27);
    p.setPen(stroke(deepBlue, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setBrush(deepBlue);
    arrowHead(p, QPointF(3, 12), QPointF(-1, 0), 5);
}

void eye(QPainter &p)
{
    QPainterPath path;
    path.moveTo(3, 16);
    path.quadTo(16, 3, 29, 16);
    path.quadTo(16, 29, 3, 16);
    p.setPen(stroke(ink, 1.8));
    p.setBrush(paper);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(16, 16), 5, 5);
    p.setBrush(ink);
    p.drawEllipse(QPointF(16, 16), 2, 2);
}

// Two overlapping squares; `frontAccented` picks which of them is the marked one.
void stack(QPainter &p, bool frontAccented)
{
    const QColor grey(200, 206, 214);
    box(p, QRectF(4, 4, 16, 16), frontAccented ? grey : accent);
    box(p, QRectF(12, 12, 16, 16), frontAccented ? accent : grey);
}

struct Icon
{
    const char *name;
    std::function<void(QPainter &)> paint;
};

const std::vector<Icon> &zafIcons()
{
    static const std::vector<Icon> list = {
        { "new", [](QPainter &p) { page(p, QRectF(6, 3, 20, 26)); } },
        { "open",
            [](QPainter &p) {
                box(p, QRectF(3, 8, 22, 18), amber);
                p.setBrush(QColor(252, 212, 110));
                p.drawPolygon(QPolygonF(
                    { QPointF(3, 26), QPointF(8, 14), QPointF(29, 14), QPointF(25, 26) }));
                p.setBrush(amber);
                p.drawRect(QRectF(3, 5, 9, 3));
            } },
        { "save",
            [](QPainter &p) {
                p.setPen(stroke(ink, 1.5));
                p.setBrush(accent);
                p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
                p.setBrush(paper);
                p.drawRect(QRectF(9, 4, 14, 9));
                p.setBrush(ink);
                p.drawRect(QRectF(18, 6, 3, 5));
                p.setBrush(paper);
                p.drawRect(QRectF(8, 18, 16, 10));
            } },
        { "delete",
            [](QPainter &p) {
                p.setPen(stroke(red, 4));
                p.drawLine(QPointF(7, 7), QPointF(25, 25));
                p.drawLine(QPointF(25, 7), QPointF(7, 25));
            } },
        { "cut",
            [](QPainter &p) {
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(11, 19), QPointF(22, 3));
                p.drawLine(QPointF(21, 19), QPointF(10, 3));
                p.setPen(stroke(red, 2.2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
                p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
            } },
        { "copy",
            [](QPainter &p) {
                page(p, QRectF(4, 3, 16, 20));
                page(p, QRectF(12, 9, 16, 20));
            } },
        { "paste",
            [](QPainter &p) {
                p.setPen(stroke(ink, 1.5));
                p.setBrush(amber);
                p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
                p.setBrush(QColor(200, 206, 214));
                p.drawRoundedRect(QRectF(9, 3, 10, 5), 1.5, 1.5);
                page(p, QRectF(13, 11, 15, 18));
            } },
        { "undo", [](QPainter &p) { turnArrow(p, false); } },
        { "redo", [](QPainter &p) { turnArrow(p, true); } },
        { "zoomin", [](QPainter &p) { magnifier(p, true); } },
        { "zoomout", [](QPainter &p) { magnifier(p, false); } },
        { "arrow",
            [](QPainter &p) {
                p.setPen(stroke(ink, 1.5));
                p.setBrush(paper);
                p.drawPolygon(QPolygonF({ QPointF(8, 3), QPointF(8, 25), QPointF(13, 20),
                    QPointF(17, 29), QPointF(21, 27), QPointF(17, 19), QPointF(24, 19) }));
            } },
        { "rect",
            [](QPainter &p) {
                p.setPen(stroke(ink, 2));
                p.setBrush(QColor(accent.red(), accent.green(), accent.blue(), 110));
                p.drawRect(QRectF(4, 7, 24, 18));
            } },
        { "scan",
            [](QPainter &p) {
                p.setPen(stroke(ink, 2.5));
                const QPolygonF corner({ QPointF(3, 10), QPointF(3, 3), QPointF(10, 3) });
                for (int i = 0; i < 4; ++i) {
                    p.save();
                    p.translate(16, 16);
                    p.rotate(90 * i);
                    p.translate(-16, -16);
                    p.drawPolyline(corner);
                    p.restore();
                }
                p.setPen(stroke(ink, 1.5));
                p.setBrush(QColor(accent.red(), accent.green(), accent.blue(), 90));
                p.drawRect(QRectF(9, 8, 6, 8));
                p.drawRect(QRectF(18, 12, 6, 11));
                p.setPen(stroke(red, 2));
                p.drawLine(QPointF(6, 16), QPointF(26, 16));
            } },
        { "rotatepoint",
            [](QPainter &p) {
                p.setPen(stroke(ink, 2.5));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(4, 4, 24, 24), 120 * 16, 270 * 16);
                p.setBrush(ink);
                // The head continues the arc's counter-clockwise run at its end, 30 degrees.
                const QPointF end(16 + 12 * std::cos(M_PI / 6), 16 - 12 * std::sin(M_PI / 6));
                const QPointF along(-0.5, -0.866);
                arrowHead(p, end + along * 4, along, 4);
                p.setPen(stroke(red, 2));
                p.drawLine(QPointF(10, 16), QPointF(22, 16));
                p.drawLine(QPointF(16, 10), QPointF(16, 22));
            } },
        { "align_left",
            [](QPainter &p) {
                bar(p, QRectF(6, 6, 20, 7));
                bar(p, QRectF(6, 18, 12, 7));
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(4, 3), QPointF(4, 29));
            } },
        { "align_right",
            [](QPainter &p) {
                bar(p, QRectF(6, 6, 20, 7));
                bar(p, QRectF(14, 18, 12, 7));
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(28, 3), QPointF(28, 29));
            } },
        { "align_hcenter",
            [](QPainter &p) {
                bar(p, QRectF(5, 6, 22, 7));
                bar(p, QRectF(10, 18, 12, 7));
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(16, 3), QPointF(16, 29));
            } },
        { "align_top",
            [](QPainter &p) {
                bar(p, QRectF(6, 6, 7, 20));
                bar(p, QRectF(18, 6, 7, 12));
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(3, 4), QPointF(29, 4));
            } },
        { "align_bottom",
            [](QPainter &p) {
                bar(p, QRectF(6, 6, 7, 20));
                bar(p, QRectF(18, 14, 7, 12));
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(3, 28), QPointF(29, 28));
            } },
        { "align_vcenter",
            [](QPainter &p) {
                bar(p, QRectF(6, 5, 7, 22));
                bar(p, QRectF(18, 10, 7, 12));
                p.setPen(stroke(ink, 2));
                p.drawLine(QPointF(3, 16), QPointF(29, 16));
            } },
        { "align_horzeven",
            [](QPainter &p) {
                bar(p, QRectF(3, 9, 6, 14));
                bar(p, QRectF(13, 6, 6, 20));
                bar(p, QRectF(23, 11, 6, 10));
                p.setPen(stroke(red, 1.5));
                p.drawLine(QPointF(9.5, 28.5), QPointF(12.5, 28.5));
                p.drawLine(QPointF(19.5, 28.5), QPointF(22.5, 28.5));
            } },
        { "align_verteven",
            [](QPainter &p) {
                bar(p, QRectF(9, 3, 14, 6));
                bar(p, QRectF(6, 13, 20, 6));
                bar(p, QRectF(11, 23, 10, 6));
                p.setPen(stroke(red, 1.5));
                p.drawLine(QPointF(28.5, 9.5), QPointF(28.5, 12.5));
                p.drawLine(QPointF(28.5, 19.5), QPointF(28.5, 22.5));
            } },
        { "align_height",
            [](QPainter &p) {
                bar(p, QRectF(4, 5, 8, 22));
                bar(p, QRectF(15, 5, 6, 22));
                doubleArrow(p, QPointF(27, 4), QPointF(27, 28));
            } },
        { "align_width",
            [](QPainter &p) {
                bar(p, QRectF(5, 4, 22, 8));
                bar(p, QRectF(5, 15, 22, 6));
                doubleArrow(p, QPointF(4, 27), QPointF(28, 27));
            } },
        { "align_all",
            [](QPainter &p) {
                bar(p, QRectF(4, 4, 10, 10));
                bar(p, QRectF(17, 4, 10, 10));
                doubleArrow(p, QPointF(4, 20), QPointF(27, 20));
                doubleArrow(p, QPointF(22, 17), QPointF(22, 30));
            } },
        { "merge",
            [](QPainter &p) {
                bar(p, QRectF(6, 9, 8, 14));
                bar(p, QRectF(18, 9, 8, 14));
                QPen dashed = stroke(red, 1.5);
                dashed.setDashPattern({ 2, 2 });
                p.setPen(dashed);
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(2.5, 5.5, 27, 21));
            } },
        { "bringtofront", [](QPainter &p) { stack(p, true); } },
        { "sendtoback", [](QPainter &p) { stack(p, false); } },
        { "ZAF",
            [](QPainter &p) {
                p.setPen(stroke(ink, 1.5));
                p.setBrush(accent);
                p.drawRoundedRect(QRectF(1.5, 7.5, 29, 17), 3, 3);
                // Z, A and F are straight strokes, so the word needs no font.
                p.setPen(stroke(paper, 1.8));
                p.drawPolyline(QPolygonF({ QPointF(4.5, 11.5), QPointF(10, 11.5),
                    QPointF(4.5, 20.5), QPointF(10, 20.5) }));
                p.drawPolyline(
                    QPolygonF({ QPointF(12, 20.5), QPointF(15, 11.5), QPointF(18, 20.5) }));
                p.drawLine(QPointF(13.2, 17.5), QPointF(16.8, 17.5));
                p.drawPolyline(
                    QPolygonF({ QPointF(27, 11.5), QPointF(21.5, 11.5), QPointF(21.5, 20.5) }));
                p.drawLine(QPointF(21.5, 16), QPointF(26, 16));
            } },
        { "addPic",
            [](QPainter &p) {
                picture(p);
                badge(p, true);
            } },
        { "delPic",
            [](QPainter &p) {
                picture(p);
                badge(p, false);
            } },
        { "font",
            [](QPainter &p) {
                p.setPen(stroke(ink, 3));
                p.drawPolyline(QPolygonF({ QPointF(4, 27), QPointF(12, 4), QPointF(20, 27) }));
                p.drawLine(QPointF(7.5, 19), QPointF(16.5, 19));
                badge(p, true);
            } },
        { "hide",
            [](QPainter &p) {
                eye(p);
                p.setPen(stroke(paper, 5));
                p.drawLine(QPointF(6, 26), QPointF(26, 6));
                p.setPen(stroke(red, 2.5));
                p.drawLine(QPointF(6, 26), QPointF(26, 6));
            } },
        { "show", [](QPainter &p) { eye(p); } },
        { "edit",
            [](QPainter &p) {
                p.translate(16, 16);
                p.rotate(45);
                p.setPen(stroke(ink, 1.5));
                p.setBrush(amber);
                p.drawRect(QRectF(-3.5, -13, 7, 19));
                p.setBrush(red);
                p.drawRect(QRectF(-3.5, -15, 7, 3));
                p.setBrush(QColor(240, 220, 180));
                p.drawPolygon(QPolygonF({ QPointF(-3.5, 6), QPointF(3.5, 6), QPointF(0, 13) }));
            } },
    };
    return list;
}

// A program's logo for the title bar: the word in the title blue on a white badge.
QImage logo(const QSize &size, const QRectF &badge, qreal radius, int pixelSize)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(badge, radius, radius);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(deepBlue);
    p.drawText(badge, Qt::AlignCenter, QStringLiteral("Lumo"));
    return image;
}

// Straight-stroke letters in a box of 6 x 9 at `at` (its top-left corner).
void letter(QPainter &p, char c, const QPointF &at)
{
    const qreal w = 6, h = 9;
    const QPointF tl = at, tr = at + QPointF(w, 0), bl = at + QPointF(0, h),
                  br = at + QPointF(w, h);
    switch (c) {
    case 'E':
        p.drawPolyline(QPolygonF({ tr, tl, bl, br }));
        p.drawLine(at + QPointF(0, h / 2), at + QPointF(w * 0.8, h / 2));
        break;
    case 'N':
        p.drawPolyline(QPolygonF({ bl, tl, br, tr }));
        break;
    case 'H':
        p.drawLine(tl, bl);
        p.drawLine(tr, br);
        p.drawLine(at + QPointF(0, h / 2), at + QPointF(w, h / 2));
        break;
    case 'M':
        p.drawPolyline(QPolygonF({ bl, tl, at + QPointF(w / 2, h * 0.6), tr, br }));
        break;
    case 'I':
        p.drawLine(at + QPointF(w / 2, 0), at + QPointF(w / 2, h));
        break;
    default:
        break;
    }
}

// A white word of straight-stroke letters on a rounded badge of `fill`.
void wordBadge(QPainter &p, const char *word, const QColor &fill)
{
    p.setPen(stroke(ink, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1.5, 7.5, 29, 17), 3, 3);
    p.setPen(stroke(paper, 1.8));
    p.setBrush(Qt::NoBrush);
    const int count = static_cast<int>(std::strlen(word));
    const qreal step = 8.5;
    qreal x = 16 - (count * step - 2.5) / 2;
    for (const char *c = word; *c; ++c, x += step)
        letter(p, *c, QPointF(x, 11.5));
}

// A page with a play mark: the preview.
void previewPage(QPainter &p)
{
    page(p, QRectF(3, 3, 20, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF({ QPointF(15, 13), QPointF(15, 29), QPointF(29, 21) }));
}

const std::vector<Icon> &touchOwnIcons()
{
    static const std::vector<Icon> list = {
        { "ZAF", [](QPainter &p) { wordBadge(p, "HMI", accent); } },
        { "en", [](QPainter &p) { wordBadge(p, "EN", deepBlue); } },
        { "cn",
            [](QPainter &p) {
                p.setPen(stroke(ink, 1.5));
                p.setBrush(red);
                p.drawRoundedRect(QRectF(1.5, 7.5, 29, 17), 3, 3);
                // The character is a box crossed by one long stroke, so it needs no font.
                p.setPen(QPen(amber, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRectF(10.5, 12.5, 11, 6));
                p.drawLine(QPointF(16, 9.5), QPointF(16, 22.5));
            } },
        { "record",
            [](QPainter &p) {
                page(p, QRectF(3, 3, 20, 26));
                p.setPen(stroke(accent, 2));
                for (int i = 0; i < 3; ++i)
                    p.drawLine(QPointF(7, 11 + 5 * i), QPointF(14, 11 + 5 * i));
                p.setPen(stroke(ink, 1.5));
                p.setBrush(paper);
                p.drawEllipse(QPointF(22, 22), 7, 7);
                p.drawPolyline(QPolygonF({ QPointF(22, 17.5), QPointF(22, 22), QPointF(25, 24) }));
            } },
        { "load",
            [](QPainter &p) {
                p.setPen(stroke(ink, 2));
                p.setBrush(Qt::NoBrush);
                p.drawPolyline(QPolygonF(
                    { QPointF(4, 19), QPointF(4, 28), QPointF(28, 28), QPointF(28, 19) }));
                p.setPen(stroke(deepBlue, 3));
                p.drawLine(QPointF(16, 3), QPointF(16, 17));
                p.setBrush(deepBlue);
                arrowHead(p, QPointF(16, 24), QPointF(0, 1), 5);
            } },
        { "current", [](QPainter &p) { previewPage(p); } },
        { "head",
            [](QPainter &p) {
                previewPage(p);
                p.setPen(stroke(green, 2.5));
                p.drawLine(QPointF(12, 14), QPointF(12, 28));
            } },
        { "add",
            [](QPainter &p) {
                picture(p);
                badge(p, true);
            } },
        { "CompanyICO2",
            [](QPainter &p) {
                p.setPen(Qt::NoPen);
                p.setBrush(accent);
                p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
                // A finger's touch on the screen: rings round a point.
                p.setPen(stroke(paper, 2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(16, 16), 10, 10);
                p.setBrush(paper);
                p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
            } },
    };
    return list;
}

// The touch tool takes these of the icon-font tool's pictograms as they are.
const QStringList sharedWithTouch = {
    QStringLiteral("copy"),
    QStringLiteral("paste"),
    QStringLiteral("cut"),
    QStringLiteral("delete"),
    QStringLiteral("undo"),
    QStringLiteral("redo"),
    QStringLiteral("zoomin"),
    QStringLiteral("zoomout"),
    QStringLiteral("arrow"),
    QStringLiteral("rect"),
    QStringLiteral("align_right"),
    QStringLiteral("align_left"),
    QStringLiteral("align_vcenter"),
    QStringLiteral("align_hcenter"),
    QStringLiteral("align_top"),
    QStringLiteral("align_bottom"),
    QStringLiteral("align_horzeven"),
    QStringLiteral("align_verteven"),
    QStringLiteral("align_height"),
    QStringLiteral("align_width"),
    QStringLiteral("align_all"),
    QStringLiteral("delPic"),
    QStringLiteral("hide"),
    QStringLiteral("show"),
};

// A 30 x 30 title-button background: a rounded square of `fill`.
QImage buttonBackground(const QColor &fill)
{
    QImage image(30, 30, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, 30, 30), 4, 4);
    return image;
}

bool save(const QImage &image, const QDir &out, const QString &name)
{
    const bool ok = image.save(out.filePath(name + QStringLiteral(".png")));
    if (!ok)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(name)));
    return ok;
}

bool paintIcon(const Icon &icon, const QDir &out)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    icon.paint(p);
    p.end();
    return save(image, out, QString::fromLatin1(icon.name));
}

bool writeZaf(const QDir &out)
{
    bool ok = save(logo(QSize(85, 44), QRectF(1, 2, 83, 40), 9, 25), out, QStringLiteral("logo"));
    for (const Icon &icon : zafIcons())
        ok = paintIcon(icon, out) && ok;
    return ok;
}

bool writeTouch(const QDir &root)
{
    if (!root.mkpath(QStringLiteral("icons")) || !root.mkpath(QStringLiteral("lumo_icons")))
        return false;
    const QDir out(root.filePath(QStringLiteral("icons")));
    bool ok
        = save(logo(QSize(51, 26), QRectF(0.5, 0.5, 50, 25), 5, 15), out, QStringLiteral("logo"));
    for (const Icon &icon : zafIcons()) {
        if (sharedWithTouch.contains(QString::fromLatin1(icon.name)))
            ok = paintIcon(icon, out) && ok;
    }
    for (const Icon &icon : touchOwnIcons())
        ok = paintIcon(icon, out) && ok;

    // Close and maximise: barely there at rest, a light highlight under the pointer.
    const QDir buttons(root.filePath(QStringLiteral("lumo_icons")));
    const QImage rest = buttonBackground(QColor(255, 255, 255, 8));
    const QImage hover = buttonBackground(QColor(255, 255, 255, 70));
    ok = save(rest, buttons, QStringLiteral("50")) && ok;
    ok = save(rest, buttons, QStringLiteral("53")) && ok;
    ok = save(hover, buttons, QStringLiteral("58")) && ok;
    ok = save(hover, buttons, QStringLiteral("61")) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString set = argc == 3 ? QString::fromLatin1(argv[1]) : QString();
    if (set != QLatin1String("zaf") && set != QLatin1String("touch")) {
        std::fprintf(stderr, "usage: %s zaf|touch OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const bool ok = set == QLatin1String("zaf") ? writeZaf(out) : writeTouch(out);
    return ok ? 0 : 1;
}
