#pragma once

#include "component/ComponentRecord.h"

#include <QString>

namespace tw
{

class TDesignRoot;

// A project file: a stream collection, compressed and not enciphered, with one
// entry "DCLProject" holding the design's component stream. Saving is atomic.
// Errors are thrown with the program's messages (EFileError, ECorruptFile
// "File is corrupt.", TError "Stream read error" / "Invalid stream format").
void SaveProjectFile(const QString &fileName, const std::vector<ComponentRecord> &records);
std::vector<ComponentRecord> LoadProjectFile(const QString &fileName);

// The design's save and open: false and nothing written or read for a file
// name of blanks. The design's modified flag ends as the opposite of the
// result, and is set when an error is thrown. A file that cannot be read
// leaves the design as it was.
bool SaveProject(TDesignRoot &design, const QString &fileName);
bool LoadProject(TDesignRoot &design, const QString &fileName);

} // namespace tw
