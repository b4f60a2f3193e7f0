#include "codegen/TileWriters.h"

namespace tw {

const QList<TileWriterEntry> &tileWriters()
{
    static const QList<TileWriterEntry> writers = {};
    return writers;
}

} // namespace tw
