#include "codegen/TileWriters.h"

#include "codegen/BasicTileWriters.h"
#include "codegen/ClusterWriters.h"

namespace tw
{

const QList<TileWriterEntry> &tileWriters()
{
    static const QList<TileWriterEntry> writers = {
        {"TDCLEdit", WriteEditBox},
        {"TDCLButton", WriteButton},
        {"TDCLCheckButton", WriteToggle},
        {"TDCLRadio", WriteRadioButton},
        {"TDCLLabel", WriteText},
        {"TDCLSpacer", WriteSpacer},
        {"TDCLGroupColumn", WriteBoxedColumn},
        {"TDCLGroupRow", WriteBoxedRow},
        {"TDCLRow", WriteRow},
        {"TDCLColumn", WriteColumn},
    };
    return writers;
}

} // namespace tw
