#pragma once

// The start-up configuration built from a fuzz input as both builder targets take it: a flag
// byte (sound mode, which files are included), the settings, the touch bytes with their
// length, the variable bytes as the rest. The time stamp is fixed.

#include "fuzzsupport.h"

#include "kpxbuilder.h"

inline KpxBuild buildKpxFromFuzzInput(FuzzInput &input, KpxSettings *settings)
{
    const int flags = input.takeByte();
    settings->pageFileId = input.takeShort();
    settings->startPageId = input.takeShort();
    settings->sound = static_cast<KpxSound>(flags % 3);
    // -1 to 65534, as the window's field and lumo kpx --zva take it.
    settings->audioFileId = input.takeShort() - 1;
    settings->audioId = input.takeShort();

    KpxSources sources;
    sources.touchIncluded = flags & 0x10;
    sources.variablesIncluded = flags & 0x20;
    sources.touch = input.take(input.takeShort());
    sources.variables = input.rest();
    return buildKpx(sources, *settings, QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7), Qt::UTC));
}
