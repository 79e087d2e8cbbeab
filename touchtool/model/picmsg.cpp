#include "picmsg.h"

#include "drawscene.h"

PicMsg::PicMsg(int number, const QFileInfo &file, DrawScene *scene, QObject *parent)
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
