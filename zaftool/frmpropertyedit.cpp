#include "frmpropertyedit.h"

#include "character.h"
#include "zaflog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <functional>

namespace {

void onValue(QSpinBox *spin, QObject *context, std::function<void(int)> apply)
{
    QObject::connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), context, std::move(apply));
}

} // namespace

FrmPropertyEdit::FrmPropertyEdit(GraphicsRectItem *item, FontScene *scene, QWidget *parent)
    : QDialog(parent)
    , m_item(item)
    , m_fields(characterFields(item))
{
    Q_ASSERT(m_fields);
    Q_UNUSED(scene)
    setWindowTitle(tr("字符编辑"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    qCDebug(zafLog).nospace() << "编辑窗口 asc=" << m_fields->asc;

    auto *form = new QFormLayout(this);
    m_editAsc = new QLineEdit(QString::number(m_fields->asc, 16), this);
    m_editAsc->setObjectName(QStringLiteral("editAsc"));
    m_editAsc->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[a-fA-F0-9]{2}")), m_editAsc));
    form->addRow(tr("键值(0x)："), m_editAsc);

    // The boxes are filled before they are connected, so opening the editor changes nothing.
    QSpinBox *spinX = addSpin(QStringLiteral("spinX"), tr("x："), int(item->pos().x()));
    QSpinBox *spinY = addSpin(QStringLiteral("spinY"), tr("y："), int(item->pos().y()));
    QSpinBox *spinWidth = addSpin(QStringLiteral("spinWidth"), tr("宽度："), int(item->width()));
    QSpinBox *spinHeight = addSpin(QStringLiteral("spinHeight"), tr("高度："), int(item->height()));
    QSpinBox *spinRcX
        = addSpin(QStringLiteral("spinRcX"), tr("旋转中心点X："), int(m_fields->rc_x));
    QSpinBox *spinRcY
        = addSpin(QStringLiteral("spinRcY"), tr("旋转中心点Y："), int(m_fields->rc_y));

    connect(m_editAsc, &QLineEdit::textEdited, this, &FrmPropertyEdit::ascEdited);
    onValue(spinX, this, [this](int v) {
        m_item->setX(v);
        applied();
    });
    onValue(spinY, this, [this](int v) {
        m_item->setY(v);
        applied();
    });
    onValue(spinWidth, this, [this](int v) {
        m_item->setWidth(v);
        applied();
    });
    onValue(spinHeight, this, [this](int v) {
        m_item->setHeight(v);
        applied();
    });
    onValue(spinRcX, this, [this](int v) {
        m_fields->rc_x = v;
        applied();
    });
    onValue(spinRcY, this, [this](int v) {
        m_fields->rc_y = v;
        applied();
    });
}

QSpinBox *FrmPropertyEdit::addSpin(const QString &name, const QString &label, int value)
{
    auto *spin = new QSpinBox(this);
    spin->setObjectName(name);
    spin->setRange(0, 9999);
    spin->setValue(value);
    static_cast<QFormLayout *>(layout())->addRow(label, spin);
    return spin;
}

void FrmPropertyEdit::ascEdited(const QString &text)
{
    bool ok = false;
    const int key = text.toInt(&ok, 16);
    if (!ok)
        return;
    m_fields->asc = key;
    emit changeItem(m_item);
}

void FrmPropertyEdit::applied()
{
    m_item->update();
    emit changeItem(m_item);
}
