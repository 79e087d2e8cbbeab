#pragma once

#ifdef WITH_TOUCH_SHAPES

#include "previewstate.h"

#include <QList>
#include <QMap>

// A touch project's preview state for tests: flags to set, pictures per page, and a record
// of the jumps asked for. Installed for its lifetime.
class FakePreviewState : public PreviewState
{
public:
    FakePreviewState() { PreviewState::install(this); }
    ~FakePreviewState() override { PreviewState::install(nullptr); }

    bool previewRunning() const override { return running; }
    bool animationPressed() const override { return pressed; }
    void setAnimationPressed(bool value) override { pressed = value; }
    void requestJump(int page) override { jumps.append(page); }
    QPixmap pagePicture(int page) const override { return pictures.value(page); }

    bool running = false;
    bool pressed = false;
    QList<int> jumps;
    QMap<int, QPixmap> pictures;
};

#endif
