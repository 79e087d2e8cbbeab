#pragma once

#include "projectcheck.h"

// The places where reading the touch project document `document` would not give what it
// says (see checkProjectDocument), measured against the 16-bit fields of the touch
// configuration file.
ReadProblems checkTouchDocument(const QByteArray &document);
