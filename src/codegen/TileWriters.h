#pragma once

#include "codegen/DialogCode.h"

#include <QList>

namespace tw
{

// Writes one tile's DCL block at `indent`, then its AutoLISP fragments.
using TileWriter = void (*)(TControl *tile, QStringList &dcl, const QString &indent,
                            LispSections &lisp);

struct TileWriterEntry {
    const char *className;
    TileWriter writer;
};

// The writer of each tile kind, in the order in which a tile's class is tested.
const QList<TileWriterEntry> &tileWriters();

} // namespace tw
