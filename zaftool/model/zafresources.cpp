#include "zafresources.h"

const CatalogueRule zafCatalogue { QStringLiteral("://resources/tr_en.qm"), 1 };

void initZafResources()
{
    Q_INIT_RESOURCE(zaftool_translations);
}
