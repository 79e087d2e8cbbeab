#pragma once

#include "startup.h"

// The catalogue of ZAFTool: English, loaded when the language setting is 1.
extern const CatalogueRule zafCatalogue;

// Registers the catalogue, which lives in a static library.
void initZafResources();
