#include "previewstate.h"

DRAWING_BEGIN_NAMESPACE

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

DRAWING_END_NAMESPACE
