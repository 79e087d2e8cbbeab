#pragma once

#include "startup.h"

// The catalogue of KPXTool: English, loaded when the language setting is 1.
extern const CatalogueRule kpxCatalogue;

// Registers the logo and the catalogue, which live in a static library.
void initKpxResources();
