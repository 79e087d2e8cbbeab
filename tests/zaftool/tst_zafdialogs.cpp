#include "character.h"
#include "fontscene.h"
#include "dlgnewpro.h"
#include "debugmessages.h"
#include "drawscene.h"
#include "frmpropertyedit.h"
#include "graphicsrectitem.h"
#include "scriptedprompt.h"
#include "zafresources.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTranslator>
#include <QtTest>

// The icons live in a static library, so their resource must be registered by hand.
static void initZafIcons()
{
    Q_INIT_RESOURCE(zaftool);
}

class TestZafDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initZafIcons();
        initZafResources();
        qRegisterMetaType<GraphicsRectItem *>();
    }
    // The character editor's diagnostic is part of what is checked.
    void init() { m_diagnostics.reset(new DebugMessagesOn("lumo.zaf")); }
    void cleanup() { m_diagnostics.reset(); }

    void startDialogTexts();
    void startDialogChoice_data();
    void startDialogChoice();

    void editorShowsCharacter();
    void textsTranslate();
    void editorKeyTyped();
    void editorKeyRefused_data();
    void editorKeyRefused();
    void editorSpinChanges_data();
    void editorSpinChanges();

    void iconLoads_data();
    void iconLoads();

private:
    QScopedPointer<DebugMessagesOn> m_diagnostics;
};

void TestZafDialogs::startDialogTexts()
{
    DlgNewPro dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("目录选择"));
    QCOMPARE(dialog.findChild<QPushButton *>("btnNewPro")->text(), QStringLiteral("新工程目录"));
    QCOMPARE(dialog.findChild<QPushButton *>("btnOldPro")->text(), QStringLiteral("已有工程目录"));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels.append(label->text());
    QCOMPARE(labels,
        QStringList({ "提示：", "新建工程，请点击\"新工程目录\"按钮",
            "打开已有工程，请点击\"已有工程目录\"按钮" }));
}

void TestZafDialogs::startDialogChoice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("filter");
    QTest::newRow("new project") << "btnNewPro"
                                 << "/tmp/pro"
                                 << "directory"
                                 << "选择工程目录"
                                 << "../"
                                 << "";
    QTest::newRow("new cancelled") << "btnNewPro"
                                   << ""
                                   << "directory"
                                   << "选择工程目录"
                                   << "../"
                                   << "";
    QTest::newRow("old project") << "btnOldPro"
                                 << "/tmp/pro/lumo.prozaf"
                                 << "open"
                                 << "打开工程文件"
                                 << ""
                                 << "*.prozaf";
    QTest::newRow("old cancelled") << "btnOldPro"
                                   << ""
                                   << "open"
                                   << "打开工程文件"
                                   << ""
                                   << "*.prozaf";
}

void TestZafDialogs::startDialogChoice()
{
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, dir);
    QFETCH(QString, filter);

    ScriptedPrompt prompt;
    prompt.answer(answer);
    DlgNewPro dialog;
    QSignalSpy newPro(&dialog, &DlgNewPro::newPro);
    QSignalSpy oldPro(&dialog, &DlgNewPro::oldPro);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);

    QCOMPARE(prompt.dialogs.size(), 1);
    const ScriptedPrompt::Dialog &asked = prompt.dialogs.first();
    QCOMPARE(asked.kind, kind);
    QCOMPARE(asked.caption, caption);
    QCOMPARE(asked.dir, dir);
    QCOMPARE(asked.filter, filter);

    const bool chosen = !answer.isEmpty();
    QSignalSpy &fired = button == "btnNewPro" ? newPro : oldPro;
    QSignalSpy &silent = button == "btnNewPro" ? oldPro : newPro;
    QCOMPARE(fired.size(), chosen ? 1 : 0);
    if (chosen)
        QCOMPARE(fired.first().first().toString(), answer);
    QCOMPARE(silent.size(), 0);
    QCOMPARE(dialog.isVisible(), !chosen);
    if (chosen)
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

namespace {

// A character of key 0x0A at (30, 40), 20 x 10, rotation centre moved off the middle.
struct EditorFixture
{
    EditorFixture()
    {
        item = new Character(QRect(0, 0, 20, 10), false);
        item->setPos(30.7, 40.2);
        characterFields(item)->asc = 0x0A;
        characterFields(item)->rc_x = 4.9;
        characterFields(item)->rc_y = 3;
        scene.addItem(item);
        editor = new FrmPropertyEdit(item, &scene, &owner);
        changes.reset(new QSignalSpy(editor, &FrmPropertyEdit::changeItem));
    }
    ~EditorFixture() { delete editor; }
    QLineEdit *key() const { return editor->findChild<QLineEdit *>("editAsc"); }
    QSpinBox *spin(const QString &name) const { return editor->findChild<QSpinBox *>(name); }

    QWidget owner;
    FontScene scene;
    GraphicsRectItem *item;
    QPointer<FrmPropertyEdit> editor;
    QScopedPointer<QSignalSpy> changes;
};

} // namespace

void TestZafDialogs::editorShowsCharacter()
{
    QTest::ignoreMessage(QtDebugMsg, "编辑窗口 asc=10");
    EditorFixture f;
    QCOMPARE(f.editor->windowTitle(), QStringLiteral("字符编辑"));
    QCOMPARE(f.editor->windowModality(), Qt::WindowModal);
    QVERIFY(f.editor->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(f.key()->text(), QStringLiteral("a"));
    const QList<QPair<QString, int>> shown = { { "spinX", 30 }, { "spinY", 40 },
        { "spinWidth", 20 }, { "spinHeight", 10 }, { "spinRcX", 4 }, { "spinRcY", 3 } };
    for (const auto &field : shown) {
        QSpinBox *spin = f.spin(field.first);
        QVERIFY2(spin, qPrintable(field.first));
        QCOMPARE(spin->value(), field.second);
        QCOMPARE(spin->minimum(), 0);
        QCOMPARE(spin->maximum(), 9999);
    }
    QCOMPARE(f.changes->size(), 0);
    QCOMPARE(characterFields(f.item)->asc, 0x0A);
    QCOMPARE(f.item->pos(), QPointF(30.7, 40.2));
}

// The English catalogue finds the texts under their own classes' contexts.
void TestZafDialogs::textsTranslate()
{
    QTranslator translator;
    QVERIFY(loadCatalogue(&translator, 1, zafCatalogue));
    QCoreApplication::installTranslator(&translator);
    const DlgNewPro dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("path select"));
    QCOMPARE(
        dialog.findChild<QPushButton *>("btnOldPro")->text(), QStringLiteral("existing folder"));
    QTest::ignoreMessage(QtDebugMsg, "编辑窗口 asc=10");
    const EditorFixture f;
    QCOMPARE(f.editor->windowTitle(), QStringLiteral("character edit"));
    QStringList labels;
    for (const QLabel *label : f.editor->findChildren<QLabel *>())
        labels.append(label->text());
    // The catalogue leaves the x and y labels as they are.
    QCOMPARE(labels,
        QStringList({ "key(0x):", "x：", "y：",
            "width:", "height:", "Center of rotation X:", "Center of rotation Y:" }));
    QCoreApplication::removeTranslator(&translator);
}

void TestZafDialogs::editorKeyTyped()
{
    QTest::ignoreMessage(QtDebugMsg, "编辑窗口 asc=10");
    EditorFixture f;
    f.key()->clear();
    QTest::keyClicks(f.key(), "1F");
    QCOMPARE(f.key()->text(), QStringLiteral("1F"));
    QCOMPARE(characterFields(f.item)->asc, 31);
    QCOMPARE(f.changes->size(), 2);
    QCOMPARE(f.changes->last().first().value<GraphicsRectItem *>(), f.item);
}

void TestZafDialogs::editorKeyRefused_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::newRow("third digit") << "1F"
                                 << "3";
    QTest::newRow("non-hex letter") << ""
                                    << "g";
    QTest::newRow("non-hex after digit") << "1"
                                         << "x";
}

void TestZafDialogs::editorKeyRefused()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QTest::ignoreMessage(QtDebugMsg, "编辑窗口 asc=10");
    EditorFixture f;
    f.key()->setText(before);
    const int key = characterFields(f.item)->asc;
    QTest::keyClicks(f.key(), typed);
    QCOMPARE(f.key()->text(), before);
    QCOMPARE(characterFields(f.item)->asc, key);
    QCOMPARE(f.changes->size(), 0);
}

void TestZafDialogs::editorSpinChanges_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QPointF>("centre");
    QTest::newRow("x") << "spinX" << 100 << QPointF(100, 40.2) << QSizeF(20, 10) << QPointF(4.9, 3);
    QTest::newRow("y") << "spinY" << 7 << QPointF(30.7, 7) << QSizeF(20, 10) << QPointF(4.9, 3);
    QTest::newRow("width") << "spinWidth" << 55 << QPointF(30.7, 40.2) << QSizeF(55, 10)
                           << QPointF(4.9, 3);
    QTest::newRow("height") << "spinHeight" << 0 << QPointF(30.7, 40.2) << QSizeF(20, 0)
                            << QPointF(4.9, 3);
    QTest::newRow("centre x") << "spinRcX" << 12 << QPointF(30.7, 40.2) << QSizeF(20, 10)
                              << QPointF(12, 3);
    QTest::newRow("centre y") << "spinRcY" << 9999 << QPointF(30.7, 40.2) << QSizeF(20, 10)
                              << QPointF(4.9, 9999);
}

void TestZafDialogs::editorSpinChanges()
{
    QFETCH(QString, spin);
    QFETCH(int, value);
    QFETCH(QPointF, pos);
    QFETCH(QSizeF, size);
    QFETCH(QPointF, centre);
    QTest::ignoreMessage(QtDebugMsg, "编辑窗口 asc=10");
    EditorFixture f;
    f.spin(spin)->setValue(value);
    QCOMPARE(f.changes->size(), 1);
    QCOMPARE(f.changes->first().first().value<GraphicsRectItem *>(), f.item);
    QCOMPARE(f.item->pos(), pos);
    QCOMPARE(QSizeF(f.item->width(), f.item->height()), size);
    QCOMPARE(f.item->boundingRect(), QRectF(QPointF(0, 0), size));
    QCOMPARE(QPointF(characterFields(f.item)->rc_x, characterFields(f.item)->rc_y), centre);
    QCOMPARE(characterFields(f.item)->asc, 0x0A);
}

void TestZafDialogs::iconLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("logo") << "logo" << QSize(85, 44);
    const char *const names[] = {
        "new",
        "open",
        "save",
        "delete",
        "cut",
        "copy",
        "paste",
        "undo",
        "redo",
        "zoomin",
        "zoomout",
        "arrow",
        "rect",
        "scan",
        "rotatepoint",
        "align_right",
        "align_left",
        "align_vcenter",
        "align_hcenter",
        "align_top",
        "align_bottom",
        "align_horzeven",
        "align_verteven",
        "align_height",
        "align_width",
        "align_all",
        "merge",
        "bringtofront",
        "sendtoback",
        "ZAF",
        "addPic",
        "delPic",
        "font",
        "hide",
        "show",
        "edit",
    };
    for (const char *name : names)
        QTest::newRow(name) << QString::fromLatin1(name) << QSize(32, 32);
}

void TestZafDialogs::iconLoads()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QPixmap pixmap(QStringLiteral(":/icons/%1.png").arg(name));
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), size);
    QVERIFY(pixmap.hasAlphaChannel());
}

QTEST_MAIN(TestZafDialogs)
#include "tst_zafdialogs.moc"
