#include "touchresources.h"

const CatalogueRule touchCatalogue { QStringLiteral("://translate/cn.qm"), 0 };

void initTouchResources()
{
    Q_INIT_RESOURCE(touchtool);
    Q_INIT_RESOURCE(touchtool_cn);
    Q_INIT_RESOURCE(touchtool_en);
}
