#include "codegen/ListImageWriters.h"

#include "codegen/DclLines.h"
#include "codegen/TileLisp.h"
#include "tiles/DCLImage.h"
#include "tiles/DCLImageBtn.h"
#include "tiles/DCLListLabel.h"
#include "tiles/DclLabelCombo.h"
#include "tiles/DclSBar.h"
#include "tiles/TextHelpers.h"

namespace tw
{
namespace
{

const QString kClosing = QStringLiteral("}");

QString line(const QString &indent, const char *templ, const QString &value)
{
    return indent + QString::fromLatin1(templ).arg(value);
}

QString number(int value)
{
    return QString::number(value);
}

// The rows the popup list and the list box share, from the header to the
// fixed_width line.
template <class Tile>
void writeListRows(Tile *tile, const char *header, QStringList &dcl, const QString &indent)
{
    dcl << indent + QLatin1String(header);
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclLabelLine(indent, tile->property("Caption").toString());
    WriteAlignmentLine(indent, DclAlignmentWord(tile->alignment()), ParentDirection(tile), dcl);
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    if (!tile->tabs().trimmed().isEmpty())
        dcl << line(indent, "    tabs       = \"%1\" ;", EscapeString(tile->tabs()));
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->listEnabled(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
}

QString listLine(const QString &indent, const QStringList &items)
{
    return line(indent, "    list     = \"%1\" ;", JoinListItems(items));
}

// The rows the image and the image button share up to their alignment line.
void writeImageHead(TImageTile *tile, const char *header, QStringList &dcl, const QString &indent)
{
    dcl << indent + QLatin1String(header);
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    dcl << line(indent, "    color     = %1 ;", enumName(tile->backColor()));
    WriteAlignmentLine(indent, DclAlignmentWord(tile->alignment()), ParentDirection(tile), dcl);
}

// The image tiles' rows after their alignment (and allow_accept) lines, then
// their AutoLISP.
void writeImageTail(TImageTile *tile, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->displayEnabled(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    dcl << indent + kClosing;
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
    const QString slideName = tile->slideName();
    const QString slide = slideName.isEmpty()
                              ? tile->image()
                              : QStringLiteral("%1(%2)").arg(tile->image(), slideName);
    WriteImageFill(tile->key(), slide, lisp);
}

} // namespace

QString JoinListItems(const QStringList &items)
{
    QStringList escaped;
    escaped.reserve(items.size());
    for (const QString &item : items)
        escaped << EscapeString(item);
    return escaped.join(QLatin1String("\\n"));
}

void WriteImageFill(const QString &key, const QString &slide, LispSections &lisp)
{
    const QString quotedKey = EscapeString(key);
    lisp.InitSection << QStringLiteral("    (setq _x_ (dimx_tile \"%1\"))").arg(quotedKey)
                     << QStringLiteral("    (setq _y_ (dimy_tile \"%1\"))").arg(quotedKey)
                     << QStringLiteral("    (start_Image \"%1\")").arg(quotedKey)
                     << QStringLiteral("    (slide_image 0 0 _x_ _y_  \"%1\")")
                            .arg(EscapeString(ToForwardSlashes(slide)))
                     << QStringLiteral("    (end_image)");
}

void WritePopupList(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLCombo *>(control);
    writeListRows(tile, ":popup_list {", dcl, indent);
    dcl << listLine(indent, tile->list());
    dcl << indent + kClosing;
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
}

void WriteListBox(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLListLabel *>(control);
    writeListRows(tile, ":list_box {", dcl, indent);
    WriteIfTrue(indent + QStringLiteral("multiple_select"), tile->multipleSelect(), dcl);
    WriteIfTrue(indent + QStringLiteral("allow_accept"), tile->allowAccept(), dcl);
    dcl << listLine(indent, tile->list());
    dcl << indent + kClosing;
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
}

void WriteSlider(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLScrollBar *>(control);
    dcl << indent + QStringLiteral(": slider  {");
    dcl << DclKeyLine(indent, tile->key());
    dcl << DclWidthLine(indent, tile->width());
    dcl << DclHeightLine(indent, tile->height());
    dcl << line(indent, "    value      = %1 ;", number(tile->position()));
    dcl << line(indent, "    max_value       = %1 ;", number(tile->max()));
    dcl << line(indent, "    min_value       = %1 ;", number(tile->min()));
    dcl << line(indent, "    big_increment   = %1 ;", number(tile->largeChange()));
    dcl << line(indent, "    small_increment = %1 ;", number(tile->smallChange()));
    if (tile->kind() == sbVertical)
        dcl << indent + QStringLiteral("    layout  = vertical ;");
    WriteIfFalse(indent + QStringLiteral("is_tab_stop"), tile->tabstop(), dcl);
    WriteIfFalse(indent + QStringLiteral("is_enabled"), tile->enabledProp(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_height"), tile->fixedHeightFlag(), dcl);
    WriteIfTrue(indent + QStringLiteral("fixed_width"), tile->fixedWidthFlag(), dcl);
    dcl << indent + kClosing;
    WriteTileLisp(tile, TLinkVariant::Whole, lisp);
}

void WriteImage(TControl *control, QStringList &dcl, const QString &indent, LispSections &lisp)
{
    auto *tile = static_cast<TDCLImage *>(control);
    writeImageHead(tile, ": image {", dcl, indent);
    writeImageTail(tile, dcl, indent, lisp);
}

void WriteImageButton(TControl *control, QStringList &dcl, const QString &indent,
                      LispSections &lisp)
{
    auto *tile = static_cast<TDCLImageBtn *>(control);
    writeImageHead(tile, ": image_button  {", dcl, indent);
    WriteIfTrue(indent + QStringLiteral("allow_accept"), tile->allowAccept(), dcl);
    writeImageTail(tile, dcl, indent, lisp);
}

} // namespace tw
