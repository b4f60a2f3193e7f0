#include "format/ProjectFile.h"

#include "format/ComponentStream.h"
#include "format/MoxStreams.h"

namespace tw
{
namespace
{

const QString kEntry = QStringLiteral("DCLProject");

} // namespace

void SaveProjectFile(const QString &fileName, const std::vector<ComponentRecord> &records)
{
    TMoxStreams streams;
    streams.setCompressed(true);
    streams.AddStream(kEntry, writeComponentStream(records));
    streams.SaveToFile(fileName);
}

std::vector<ComponentRecord> LoadProjectFile(const QString &fileName)
{
    TMoxStreams streams;
    streams.setCompressed(true);
    streams.LoadFromFile(fileName);
    return readComponentStream(streams.StreamData(kEntry));
}

} // namespace tw
