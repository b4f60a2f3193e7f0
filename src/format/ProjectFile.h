#pragma once

#include "format/ComponentRecord.h"

#include <QString>

namespace tw
{

// A project file: a stream collection, compressed and not enciphered, with one
// entry "DCLProject" holding the design's component stream. Saving is atomic.
// Errors are thrown as TError with the program's messages: "Cannot open file ..."
// (File), "File is corrupt.", "Stream read error", "Invalid stream format" (Format).
void SaveProjectFile(const QString &fileName, const std::vector<ComponentRecord> &records);
std::vector<ComponentRecord> LoadProjectFile(const QString &fileName);

} // namespace tw
