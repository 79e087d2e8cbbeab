#include "touchlog.h"

Q_LOGGING_CATEGORY(touchLog, "lumo.touch", QtInfoMsg)
