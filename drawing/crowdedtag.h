#pragma once

#include <QByteArray>
#include <QString>

// The XML reader compares every attribute of an element with all the attributes before it,
// so one element with very many attributes takes time quadratic in their number. No shape
// or container element has more than a dozen; a document is cut short before an element
// with more than this many.
constexpr int MaxAttributes = 64;

// Where a document would be cut short: `offset` of the first start tag with more than
// MaxAttributes attributes (-1 when there is none), with its line and column as the XML
// reader counts them (from 1).
struct CrowdedTag
{
    qsizetype offset = -1;
    qint64 line = 0;
    qint64 column = 0;
    bool found() const { return offset >= 0; }
    QString text() const; // in English, as the XML reader words its errors
};

// Scans `document` once without parsing it: comments, processing instructions, the document
// type and quoted attribute values are passed over.
CrowdedTag findCrowdedTag(const QByteArray &document);
