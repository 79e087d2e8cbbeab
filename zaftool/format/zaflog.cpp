#include "zaflog.h"

Q_LOGGING_CATEGORY(zafLog, "lumo.zaf", QtInfoMsg)
