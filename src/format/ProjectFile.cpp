#include "storage/ProjectFile.h"

#include "storage/ComponentStream.h"
#include "storage/MoxStreams.h"
#include "tiles/DesignRoot.h"

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

bool SaveProject(TDesignRoot &design, const QString &fileName)
{
    design.setModified(true);
    if (fileName.trimmed().isEmpty())
        return false;
    SaveProjectFile(fileName, design.save());
    design.setModified(false);
    return true;
}

bool LoadProject(TDesignRoot &design, const QString &fileName)
{
    design.setModified(true);
    if (fileName.trimmed().isEmpty())
        return false;
    design.load(LoadProjectFile(fileName));
    design.setModified(false);
    return true;
}

} // namespace tw
