#include "codegen/ClusterWriters.h"

#include "codegen/DclLines.h"
#include "codegen/TileLisp.h"
#include "tiles/ClusterPanel.h"
#include "tiles/GroupCluster.h"

namespace tw
{
namespace
{

template <class Cluster>
void writeCluster(Cluster *tile, const char *header, bool withLabel, QStringList &dcl,
                  const QString &indent, LispSections &lisp, TLinkVariant variant, bool columnOrder)
{
    dcl << indent + QLatin1String(header);
    dcl << DclKeyLine(indent, tile->key());
    if (withLabel)
        dcl << DclLabelLine(indent, tile->caption());
    WriteAlignmentLine(indent, DclAlignmentWord(tile->alignment()), ParentDirection(tile), dcl);
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->enabledProp(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("children_fixed_height"), tile->childrenFixedHeight(), dcl);
    WriteIfTrue(indent + QStringLiteral("children_fixed_width"), tile->childrenFixedWidth(), dcl);
    WriteChildrenAlignmentLine(indent, DclAlignmentWord(tile->childrenAlignment()),
                               LayoutDirection(tile), dcl);
    WriteTileLisp(tile, variant, lisp);
    WriteChildTiles(tile, dcl, indent, lisp, columnOrder);
    dcl << indent + QStringLiteral("}");
}

void writePlain(TControl *control, const char *header, const char *radioHeader, QStringList &dcl,
                const QString &indent, LispSections &lisp, bool columnOrder)
{
    auto *tile = static_cast<TClusterPanel *>(control);
    const bool withLabel = !tile->caption().trimmed().isEmpty();
    writeCluster(tile, IsWrittenAsRadioCluster(tile) ? radioHeader : header, withLabel, dcl, indent,
                 lisp, TLinkVariant::Whole, columnOrder);
}

void writeBoxed(TControl *control, const char *header, const char *radioHeader, QStringList &dcl,
                const QString &indent, LispSections &lisp, bool columnOrder)
{
    auto *tile = static_cast<TGroupCluster *>(control);
    writeCluster(tile, IsWrittenAsRadioCluster(tile) ? radioHeader : header, true, dcl, indent,
                 lisp, TLinkVariant::String, columnOrder);
}

} // namespace

void WriteColumn(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    writePlain(tile, ": column {", ": radio_column {", dcl, indent, lisp, true);
}

void WriteRow(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    writePlain(tile, ": row {", ": radio_row {", dcl, indent, lisp, false);
}

void WriteBoxedColumn(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    writeBoxed(tile, ": boxed_column {", ": boxed_radio_column {", dcl, indent, lisp, true);
}

void WriteBoxedRow(TControl *tile, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    writeBoxed(tile, ": boxed_row {", ": boxed_radio_row {", dcl, indent, lisp, false);
}

} // namespace tw
