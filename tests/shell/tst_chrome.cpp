#include "alignactions.h"
#include "linetoolbar.h"
#include "startup.h"
#include "title.h"
#include "titlebar.h"
#include "titledrag.h"

#include <QIcon>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(QEvent::Type)
Q_DECLARE_METATYPE(Qt::MouseButton)
Q_DECLARE_METATYPE(Qt::MouseButtons)
Q_DECLARE_METATYPE(TitleStyle)

namespace {

// QTest::mouseMove carries no buttons in Qt 5, so the events are built by hand.
void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &global, Qt::MouseButton button,
    Qt::MouseButtons buttons)
{
    const QPointF local = widget->mapFromGlobal(global.toPoint());
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void press(QWidget *widget, const QPoint &global, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseButtonPress, global, button, button);
}

void drag(QWidget *widget, const QPoint &global, Qt::MouseButtons buttons = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseMove, global, Qt::NoButton, buttons);
}

// Whether the icon shows exactly the resource image at its own size.
bool iconShows(const QIcon &icon, const QString &resource)
{
    const QImage expected(resource);
    if (expected.isNull())
        return false;
    const QImage actual = icon.pixmap(expected.size()).toImage();
    return actual.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        == expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A frameless top-level window with a direct title bar on top, as TouchTool builds it.
struct DirectFrame
{
    DirectFrame()
    {
        frame.reset(new QWidget(nullptr, Qt::FramelessWindowHint));
        title = new Title(frame.get(), TitleStyle::Direct);
        title->setControlledWindow(frame.get());
        auto *layout = new QVBoxLayout(frame.get());
        layout->setSpacing(0);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->addWidget(title);
        layout->addWidget(new QWidget(frame.get()), 1);
        frame->setGeometry(100, 120, 800, 400);
        frame->show();
    }

    QPoint corner() const { return frame->frameGeometry().topLeft(); }

    std::unique_ptr<QWidget> frame;
    Title *title = nullptr;
};

// Spies on every signal of a Title; the direct style must emit none of them.
struct TitleSpies
{
    explicit TitleSpies(Title *title)
        : press(title, &Title::titlePress)
        , move(title, &Title::titleMove)
        , min(title, &Title::min)
        , max(title, &Title::max)
        , close(title, &Title::close)
    {
    }
    int total() const
    {
        return press.count() + move.count() + min.count() + max.count() + close.count();
    }

    QSignalSpy press, move, min, max, close;
};

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void resourceImages_data();
    void resourceImages();
    void titleForm_data();
    void titleForm();

    void signallingBarMouse_data();
    void signallingBarMouse();
    void signallingTitleButtons();

    void directDragMovesWindow();
    void directRightButtonDoesNotDrag();
    void directMaximisedWindowDoesNotMove();
    void directMaxToggles();
    void directMinMinimises();
    void directCloseCloses();
    void directWithoutWindowIsHarmless();

    void titleDragKeepsGrabbedSpot();
    void titleDragLeavesMaximisedWindow();

    void alignActionsCarryTheirModes();

    void lineToolBarEdge_data();
    void lineToolBarEdge();
};

void TestChrome::initTestCase()
{
    initShellResources();
}

void TestChrome::resourceImages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");

    QTest::newRow("title") << "title.png" << QSize(1920, 89);
    QTest::newRow("min") << "min.png" << QSize(32, 26);
    QTest::newRow("resize") << "resize.png" << QSize(32, 26);
    QTest::newRow("close") << "close.png" << QSize(32, 26);
    QTest::newRow("max") << "max.png" << QSize(27, 27);
}

void TestChrome::resourceImages()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);

    QCOMPARE(QImage(QStringLiteral(":/icons/") + name).size(), size);
    QCOMPARE(QImage(QStringLiteral("://icons/") + name).size(), size);
}

void TestChrome::titleForm_data()
{
    QTest::addColumn<TitleStyle>("style");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("maxShown");
    QTest::addColumn<QString>("maxIcon");

    QTest::newRow("signalling") << TitleStyle::Signalling << 50 << false << ":/icons/resize.png";
    QTest::newRow("direct") << TitleStyle::Direct << 45 << true << ":/icons/max.png";
}

void TestChrome::titleForm()
{
    QFETCH(TitleStyle, style);
    QFETCH(int, height);
    QFETCH(bool, maxShown);
    QFETCH(QString, maxIcon);

    // A tall window around it: the bar keeps its own height.
    QWidget window;
    auto *title = new Title(&window, style);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(title);
    window.resize(725, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(title->height(), height);
    QCOMPARE(title->btnMax->isVisible(), maxShown);
    QVERIFY(title->btnMin->isVisible());
    QVERIFY(title->btnClose->isVisible());
    QVERIFY(iconShows(title->btnMin->icon(), QStringLiteral(":/icons/min.png")));
    QVERIFY(iconShows(title->btnMax->icon(), maxIcon));
    QVERIFY(iconShows(title->btnClose->icon(), QStringLiteral(":/icons/close.png")));
}

// Both signalling bars, Title and TitleBar, answer the mouse the same way.
void TestChrome::signallingBarMouse_data()
{
    QTest::addColumn<bool>("toolBar");
    QTest::addColumn<QEvent::Type>("type");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::addColumn<bool>("emitsPress");
    QTest::addColumn<bool>("emitsMove");

    const auto Press = QEvent::MouseButtonPress;
    const auto Move = QEvent::MouseMove;
    for (const bool toolBar : { false, true }) {
        const char *bar = toolBar ? "TitleBar" : "Title";
        auto row
            = [bar](const char *name) -> QTestData & { return QTest::addRow("%s: %s", bar, name); };
        row("left press") << toolBar << Press << Qt::LeftButton << Qt::MouseButtons(Qt::LeftButton)
                          << true << false;
        row("right press") << toolBar << Press << Qt::RightButton
                           << Qt::MouseButtons(Qt::RightButton) << false << false;
        row("middle press, left held") << toolBar << Press << Qt::MiddleButton
                                       << (Qt::LeftButton | Qt::MiddleButton) << false << false;
        row("move, left held") << toolBar << Move << Qt::NoButton
                               << Qt::MouseButtons(Qt::LeftButton) << false << true;
        row("move, left and right held") << toolBar << Move << Qt::NoButton
                                         << (Qt::LeftButton | Qt::RightButton) << false << true;
        row("move, right held") << toolBar << Move << Qt::NoButton
                                << Qt::MouseButtons(Qt::RightButton) << false << false;
        row("move, nothing held") << toolBar << Move << Qt::NoButton
                                  << Qt::MouseButtons(Qt::NoButton) << false << false;
    }
}

void TestChrome::signallingBarMouse()
{
    QFETCH(bool, toolBar);
    QFETCH(QEvent::Type, type);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::MouseButtons, buttons);
    QFETCH(bool, emitsPress);
    QFETCH(bool, emitsMove);

    QScopedPointer<QWidget> bar(toolBar ? static_cast<QWidget *>(new TitleBar)
                                        : new Title(nullptr, TitleStyle::Signalling));
    bar->resize(600, 60);
    QSignalSpy pressSpy(bar.data(), SIGNAL(titlePress(QPoint)));
    QSignalSpy moveSpy(bar.data(), SIGNAL(titleMove(QPoint)));
    QVERIFY(pressSpy.isValid() && moveSpy.isValid());

    // A fractional screen position is reported to the nearest whole pixel.
    sendMouse(bar.data(), type, QPointF(310.7, 205.2), button, buttons);

    QCOMPARE(pressSpy.count(), emitsPress ? 1 : 0);
    QCOMPARE(moveSpy.count(), emitsMove ? 1 : 0);
    QSignalSpy &fired = emitsPress ? pressSpy : moveSpy;
    if (!fired.isEmpty())
        QCOMPARE(fired.at(0).at(0).toPoint(), QPoint(311, 205));
}

void TestChrome::signallingTitleButtons()
{
    QWidget window;
    auto *title = new Title(&window, TitleStyle::Signalling);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TitleSpies spies(title);

    title->btnMin->click();
    QCOMPARE(spies.min.count(), 1);
    // Hidden, but the slot still answers by signal.
    title->btnMax->click();
    QCOMPARE(spies.max.count(), 1);
    title->btnClose->click();
    QCOMPARE(spies.close.count(), 1);
    QCOMPARE(spies.total(), 3);

    // The bar only reports: it neither hides itself nor touches its window.
    QVERIFY(title->isVisible());
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowState(), Qt::WindowNoState);
}

void TestChrome::directDragMovesWindow()
{
    DirectFrame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    TitleSpies spies(f.title);
    const QPoint start = f.corner();

    press(f.title, start + QPoint(50, 10));
    drag(f.title, start + QPoint(150, 60));
    QTRY_COMPARE(f.corner(), start + QPoint(100, 50));
    drag(f.title, start + QPoint(40, 30));
    QTRY_COMPARE(f.corner(), start + QPoint(-10, 20));

    // A new press takes a new offset: grabbing elsewhere does not make the window jump.
    const QPoint second = f.corner();
    press(f.title, second + QPoint(300, 20));
    drag(f.title, second + QPoint(305, 27));
    QTRY_COMPARE(f.corner(), second + QPoint(5, 7));

    QCOMPARE(spies.total(), 0);
}

void TestChrome::directRightButtonDoesNotDrag()
{
    DirectFrame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    const QPoint start = f.corner();

    press(f.title, start + QPoint(200, 10), Qt::RightButton);
    drag(f.title, start + QPoint(260, 90), Qt::RightButton);
    drag(f.title, start + QPoint(280, 95), Qt::NoButton);
    QTest::qWait(20);
    QCOMPARE(f.corner(), start);

    press(f.title, start + QPoint(60, 20));
    drag(f.title, start + QPoint(90, 25));
    QTRY_COMPARE(f.corner(), start + QPoint(30, 5));
}

void TestChrome::directMaximisedWindowDoesNotMove()
{
    DirectFrame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->setWindowState(Qt::WindowMaximized);
    QTest::qWait(20);
    if (!f.frame->isMaximized())
        QSKIP("the platform did not maximise the window");
    const QRect before = f.frame->frameGeometry();

    press(f.title, before.topLeft() + QPoint(50, 10));
    drag(f.title, before.topLeft() + QPoint(250, 110));
    QTest::qWait(20);
    QCOMPARE(f.frame->frameGeometry(), before);
    QVERIFY(f.frame->isMaximized());
}

void TestChrome::directMaxToggles()
{
    DirectFrame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    TitleSpies spies(f.title);
    const QString maxIcon = QStringLiteral("://icons/max.png");
    const QString resizeIcon = QStringLiteral("://icons/resize.png");
    QVERIFY(iconShows(f.title->btnMax->icon(), maxIcon));

    f.title->btnMax->click();
    QCOMPARE(f.frame->windowState(), Qt::WindowMaximized);
    QVERIFY(iconShows(f.title->btnMax->icon(), resizeIcon));
    QVERIFY(!iconShows(f.title->btnMax->icon(), maxIcon));

    f.title->btnMax->click();
    QCOMPARE(f.frame->windowState(), Qt::WindowNoState);
    QVERIFY(iconShows(f.title->btnMax->icon(), maxIcon));

    f.title->btnMax->click();
    QCOMPARE(f.frame->windowState(), Qt::WindowMaximized);
    QVERIFY(iconShows(f.title->btnMax->icon(), resizeIcon));

    QCOMPARE(spies.total(), 0);
}

void TestChrome::directMinMinimises()
{
    DirectFrame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    TitleSpies spies(f.title);

    f.title->btnMin->click();
    QCOMPARE(f.frame->windowState(), Qt::WindowMinimized);
    QCOMPARE(spies.total(), 0);
}

void TestChrome::directCloseCloses()
{
    DirectFrame f;
    QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
    TitleSpies spies(f.title);

    f.title->btnClose->click();
    QVERIFY(!f.frame->isVisible());
    QCOMPARE(spies.total(), 0);
}

void TestChrome::directWithoutWindowIsHarmless()
{
    QWidget window;
    auto *title = new Title(&window, TitleStyle::Direct);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect before = window.frameGeometry();

    press(title, before.topLeft() + QPoint(10, 10));
    drag(title, before.topLeft() + QPoint(60, 40));
    title->btnMin->click();
    title->btnMax->click();
    title->btnClose->click();

    QTest::qWait(20);
    QCOMPARE(window.frameGeometry(), before);
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    QVERIFY(window.isVisible());
}

// The drag the signalling windows run on their bars' reports.
void TestChrome::titleDragKeepsGrabbedSpot()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 120, 600, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.frameGeometry().topLeft();

    for (const TitleDrag::Maximised maximised :
        { TitleDrag::StayWhenMaximised, TitleDrag::MoveEvenMaximised }) {
        TitleDrag drag(maximised);
        const QPoint corner = window.frameGeometry().topLeft();
        drag.press(&window, corner + QPoint(40, 12));
        drag.move(&window, corner + QPoint(90, 52));
        QTRY_COMPARE(window.frameGeometry().topLeft(), corner + QPoint(50, 40));
    }
    QCOMPARE(window.frameGeometry().topLeft(), start + QPoint(100, 80));
}

void TestChrome::titleDragLeavesMaximisedWindow()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 120, 600, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowMaximized);
    QTest::qWait(20);
    if (!window.isMaximized())
        QSKIP("the platform did not maximise the window");
    const QRect before = window.frameGeometry();

    TitleDrag drag;
    drag.press(&window, before.topLeft() + QPoint(50, 10));
    drag.move(&window, before.topLeft() + QPoint(250, 110));
    QTest::qWait(20);
    QCOMPARE(window.frameGeometry(), before);
}

void TestChrome::alignActionsCarryTheirModes()
{
    QObject owner;
    const QList<QAction *> actions = makeAlignActions(
        &owner, { SameSize, AlignTop, SpaceVertically, AlignHCenter }, &QObject::deleteLater);
    QCOMPARE(actions.size(), 4);
    const QStringList names
        = { "actionAlignAll", "actionAlignTop", "actionAlignVertEven", "actionAlignHCenter" };
    const QList<int> modes = { 11, 0, 8, 1 };
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), names[i]);
        QCOMPARE(actions[i]->data().toInt(), modes[i]);
        QCOMPARE(int(alignModeOf(actions[i])), modes[i]);
        QCOMPARE(actions[i]->parent(), &owner);
    }
    QCOMPARE(QString::fromUtf8(alignActionInfo(AlignLeft).iconFontText), QStringLiteral("左对齐"));
    QCOMPARE(QString::fromUtf8(alignActionInfo(AlignLeft).touchText), QStringLiteral("left"));
}

void TestChrome::lineToolBarEdge_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<bool>("leftLine");

    QTest::newRow("flag 1") << 1 << true;
    QTest::newRow("flag 2") << 2 << true;
    QTest::newRow("flag -1") << -1 << true;
    QTest::newRow("flag 0") << 0 << false;
}

void TestChrome::lineToolBarEdge()
{
    QFETCH(int, edge);
    QFETCH(bool, leftLine);

    LineToolBar bar(edge);
    QCOMPARE(bar.edge(), edge);
    bar.resize(120, 40);
    const QImage image = bar.grab().toImage();
    QCOMPARE(image.size(), QSize(120, 40));

    const QRgb grey = qRgb(200, 200, 200);
    const int lineColumn = leftLine ? 0 : image.width() - 1;
    const int otherColumn = leftLine ? image.width() - 1 : 0;
    for (int y = 0; y < image.height(); ++y) {
        QCOMPARE(QColor(image.pixel(lineColumn, y)), QColor(grey));
        QVERIFY2(image.pixel(otherColumn, y) != grey, qPrintable(QString::number(y)));
    }
    // One pixel wide: the column next to the line is the bar itself.
    const int inner = leftLine ? 1 : image.width() - 2;
    QVERIFY(image.pixel(inner, image.height() / 2) != grey);
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
