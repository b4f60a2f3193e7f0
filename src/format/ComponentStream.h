#pragma once

#include "format/ComponentRecord.h"

#include <QByteArray>

namespace tw
{

// The binary component stream: for each record the signature "TPF0" and the
// record, then one zero byte. Integers are little-endian; strings are written
// as 8-bit Windows-1252 when every character fits, otherwise in the wide form.
QByteArray writeComponentStream(const std::vector<ComponentRecord> &records);

// Reads every record up to the final zero byte (or the end of the bytes after
// at least one record, as single-object converters write). Every tag is understood and
// every length is checked against the bytes left before anything is
// allocated. Throws TError: "Invalid stream format" when a record lacks its
// signature, "Stream read error" when the bytes end early, "Invalid property
// value" for an unknown tag.
std::vector<ComponentRecord> readComponentStream(const QByteArray &bytes);

// The text form of a component stream, and back.
QByteArray componentStreamToText(const QByteArray &bytes);
QByteArray textToComponentStream(const QByteArray &text);

} // namespace tw
