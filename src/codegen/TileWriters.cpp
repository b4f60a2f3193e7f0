#include "codegen/TileWriters.h"

#include "codegen/BasicTileWriters.h"
#include "codegen/ClusterWriters.h"
#include "codegen/ListImageWriters.h"

namespace tw
{

const QList<TileWriterEntry> &tileWriters()
{
    static const QList<TileWriterEntry> writers = {
        {"TDCLEdit", WriteEditBox},         {"TDCLButton", WriteButton},
        {"TDCLCheckButton", WriteToggle},   {"TDCLRadio", WriteRadioButton},
        {"TDCLScrollBar", WriteSlider},     {"TDCLImage", WriteImage},
        {"TDCLImageBtn", WriteImageButton}, {"TDCLListLabel", WriteListBox},
        {"TDCLCombo", WritePopupList},      {"TDCLLabel", WriteText},
        {"TDCLSpacer", WriteSpacer},        {"TDCLGroupColumn", WriteBoxedColumn},
        {"TDCLGroupRow", WriteBoxedRow},    {"TDCLRow", WriteRow},
        {"TDCLColumn", WriteColumn},
    };
    return writers;
}

} // namespace tw
