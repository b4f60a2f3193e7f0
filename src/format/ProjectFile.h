#pragma once

#include "format/ComponentRecord.h"

#include <QString>

namespace tw
{

// A project file: a stream collection, compressed and not enciphered, with one
// entry "DCLProject" holding the design's component stream. Saving is atomic.
// Errors are thrown with the program's messages (EFileError, ECorruptFile
// "File is corrupt.", TError "Stream read error" / "Invalid stream format").
void SaveProjectFile(const QString &fileName, const std::vector<ComponentRecord> &records);
std::vector<ComponentRecord> LoadProjectFile(const QString &fileName);

} // namespace tw
