#pragma once

#include "projectcheck.h"

// The places where reading the icon-font project document `document` would not give what
// it says (see checkProjectDocument), measured against the fields of the icon-font file:
// 16-bit positions, sizes and rotation centres, one-byte keys and encryption keys.
ReadProblems checkZafDocument(const QByteArray &document);
