#include "previewstate.h"

namespace {
PreviewState *installedState = nullptr;
}

PreviewState::~PreviewState() = default;

PreviewState *PreviewState::current()
{
    return installedState;
}

void PreviewState::install(PreviewState *state)
{
    installedState = state;
}
