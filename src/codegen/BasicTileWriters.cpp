#include "codegen/BasicTileWriters.h"

#include "codegen/DclLines.h"
#include "codegen/TileLisp.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLCheck.h"
#include "tiles/DCLEditLabel.h"
#include "tiles/DCLRadio.h"
#include "tiles/DclLabel.h"
#include "tiles/DclSpacer.h"

namespace tw
{
namespace
{

const QString kClosing = QStringLiteral("}");

// The rows the toggle and the radio button share, header to closing brace.
template <class Tile>
void writeCheckable(Tile *tile, const char *header, QStringList &dcl, const QString &indent)
{
    dcl << indent + QLatin1String(header);
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclLabelLine(indent, tile->property("Caption").toString());
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    WriteAlignmentLine(indent, DclAlignmentWord(tile->alignment()), ParentDirection(tile), dcl);
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->property("Enabled").toBool(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    if (tile->value())
        dcl << DclTextValueLine(indent, QStringLiteral("1"));
    dcl << indent + kClosing;
}

} // namespace

void WriteEditBox(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLEdit *>(control);
    dcl << indent + QStringLiteral(":edit_box {");
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclLabelLine(indent, tile->caption());
    dcl << DclTextValueLine(indent, tile->value());
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    WriteAlignmentLine(indent, DclAlignmentWord(tile->captionAlignment()), ParentDirection(tile),
                       dcl);
    WriteIfTrue(indent + QStringLiteral("allow_accept"), tile->allowAccept(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->enabledProp(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    if (tile->editLimit() > 0)
        dcl << DclEditLimitLine(indent, tile->editLimit());
    if (!tile->passwordChar().isNull())
        dcl << DclPasswordLine(indent, tile->passwordChar());
    dcl << indent + kClosing;
    WriteTileLisp(tile, tile->isString() ? TLinkVariant::String : TLinkVariant::Real, lisp);
}

void WriteButton(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLButton *>(control);
    dcl << indent + QStringLiteral(": button {");
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclLabelLine(indent, tile->buttonCaption());
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    WriteAlignmentLine(indent, DclAlignmentWord(tile->alignment()), ParentDirection(tile), dcl);
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->buttonEnabled(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("is_default"), tile->isDefault(), dcl);
    WriteIfTrue(indent + QStringLiteral("is_cancel"), tile->cancel(), dcl);
    dcl << indent + kClosing;
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
}

void WriteToggle(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLCheckButton *>(control);
    writeCheckable(tile, ": toggle {", dcl, indent);
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
}

void WriteRadioButton(TControl *control, QStringList &dcl, const QString &indent,
                      LispSections &lisp)
{
    auto *tile = static_cast<TDCLRadio *>(control);
    writeCheckable(tile, ": radio_button {", dcl, indent);
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
}

void WriteText(TControl *control, QStringList &dcl, const QString &indent, LispSections &)
{
    auto *tile = static_cast<TDCLLabel *>(control);
    dcl << indent + QStringLiteral(": text {");
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclLabelLine(indent, tile->caption());
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    WriteAlignmentLine(indent, DclAlignmentWord(tile->alignment()), ParentDirection(tile), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->enabledProp(), dcl);
    WriteIfTrue(indent + QStringLiteral("is_bold"), tile->tfont()->style().testFlag(fsBold), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    dcl << indent + kClosing;
}

void WriteSpacer(TControl *control, QStringList &dcl, const QString &indent, LispSections &)
{
    auto *tile = static_cast<TDCLSpacer *>(control);
    dcl << indent + QStringLiteral(": spacer {");
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    dcl << indent + kClosing;
}

} // namespace tw
