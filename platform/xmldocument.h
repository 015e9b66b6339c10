#pragma once

#include <QByteArray>
#include <QDomDocument>

// Parsing shared by the XML files the program reads (the bitrate tables, the
// frame rates and the settings), all of which a user can edit or replace.

// Deepest element nesting that a document may have; the program's own files
// nest three levels. The DOM parser takes time that grows with the square of
// the depth (a 64 KiB file of open tags takes seconds), so a deeper document
// is refused before it is built.
constexpr int MaxXmlDepth = 64;

// Parses `bytes`, honouring the document's own encoding declaration. False,
// with `document` left empty, when the bytes do not parse or nest deeper than
// MaxXmlDepth.
bool parseXmlDocument(const QByteArray &bytes, QDomDocument &document);
