#include "picmsg.h"

#include "pagescene.h"

PicMsg::PicMsg(int number, const QFileInfo &file, PageScene *scene, QObject *parent)
    : QObject(parent)
    , number(number)
    , file(file)
    , scene(scene)
{
}

PicMsg::~PicMsg()
{
    delete scene;
}

void deletePages(PageMap *pages)
{
    qDeleteAll(*pages);
    pages->clear();
}
