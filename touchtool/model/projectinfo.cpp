#include "projectinfo.h"

#include "pagescene.h"

#include <QPixmap>

ProjectInfo *ProjectInfo::instance()
{
    // Never destroyed: items may still ask for it while the application shuts down.
    static ProjectInfo *info = [] {
        auto *created = new ProjectInfo;
        PreviewState::install(created);
        return created;
    }();
    return info;
}

void ProjectInfo::requestJump(int page)
{
    emit jumpToPage(page);
}

QPixmap ProjectInfo::pagePicture(int page) const
{
    const auto it = pages.constFind(page);
    if (it == pages.constEnd())
        return QPixmap();
    return ::pagePicture(it.value()->file.absoluteFilePath());
}
