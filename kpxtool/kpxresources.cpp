#include "kpxresources.h"

const CatalogueRule kpxCatalogue { QStringLiteral("://translate/en.qm"), 1 };

void initKpxResources()
{
    Q_INIT_RESOURCE(kpxtool);
    Q_INIT_RESOURCE(kpxtool_translations);
}
