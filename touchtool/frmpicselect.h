#pragma once

#include "picmsg.h"

#include <QWidget>

class QGridLayout;

// Picks a page by its picture: role 1 for the jump target, 2 for the animation page. A
// window of its own even with a parent; deleted when closed.
class FrmPicSelect : public QWidget
{
    Q_OBJECT

public:
    FrmPicSelect(const PageMap &pages, int who, QWidget *parent = nullptr);

signals:
    void sendData(int who, int key);

public slots:
    // Lays out one button per page, 10 to a row; runs 100 ms after construction.
    void showPic();

private slots:
    void on_btnOk_clicked();
    void on_btnCancel_clicked();

private:
    PageMap m_pages;
    int m_who = -1;
    int m_key = -1;
    QGridLayout *m_grid = nullptr;
};
