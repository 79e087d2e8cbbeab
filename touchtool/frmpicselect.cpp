#include "frmpicselect.h"
#include "pagescene.h"
#include "touchlog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 10;
constexpr int kButtonSize = 100;

} // namespace

FrmPicSelect::FrmPicSelect(const PageMap &pages, int who, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_pages(pages)
    , m_who(who)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("image select"));
    resize(592, 400);

    auto *area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("scrollArea"));
    area->setWidgetResizable(true);
    auto *pictures = new QWidget(area);
    pictures->setObjectName(QStringLiteral("widgetPics"));
    m_grid = new QGridLayout(pictures);
    m_grid->setObjectName(QStringLiteral("gridPics"));
    m_grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    area->setWidget(pictures);

    auto *btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    auto *btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(area);
    layout->addLayout(buttons);

    connect(btnOk, &QPushButton::clicked, this, &FrmPicSelect::on_btnOk_clicked);
    connect(btnCancel, &QPushButton::clicked, this, &FrmPicSelect::on_btnCancel_clicked);
    // The form shows at once; the pictures, which may take a while to load, follow.
    QTimer::singleShot(100, this, &FrmPicSelect::showPic);
}

void FrmPicSelect::showPic()
{
    while (QLayoutItem *item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (m_pages.isEmpty()) {
        qCDebug(touchLog) << "null";
        return;
    }
    int n = 0;
    for (PicMsg *page : qAsConst(m_pages)) {
        auto *button = new QToolButton(m_grid->parentWidget());
        button->setFixedSize(kButtonSize, kButtonSize);
        button->setIconSize(QSize(kButtonSize, kButtonSize));
        // A small copy: the icon keeps its pixmap for as long as the form is open.
        button->setIcon(
            pagePicture(page->file.absoluteFilePath())
                .scaled(kButtonSize, kButtonSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        button->setText(QString::number(page->number));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        const int number = page->number;
        connect(button, &QToolButton::clicked, this, [this, number] { m_key = number; });
        m_grid->addWidget(button, n / kColumns, n % kColumns);
        ++n;
    }
}

void FrmPicSelect::on_btnOk_clicked()
{
    emit sendData(m_who, m_key);
    qCDebug(touchLog) << "who=" << m_who << ",key" << m_key;
    close();
}

void FrmPicSelect::on_btnCancel_clicked()
{
    close();
}
