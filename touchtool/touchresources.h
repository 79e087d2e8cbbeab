#pragma once

#include "startup.h"

// The catalogue of TouchTool: Chinese, loaded unless the language setting says otherwise.
extern const CatalogueRule touchCatalogue;

// Registers the icons and catalogues, which live in a static library.
void initTouchResources();
