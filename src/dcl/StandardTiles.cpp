#include "dcl/StandardTiles.h"

#include <QHash>
#include <QSet>

namespace tw::dcl
{
namespace
{

// Written for this library from the DCL language reference (tile defaults and the standard
// assemblies as it describes them). Primitives are the only definitions without a parent.
const char *const kStandardTiles = R"DCL(// Primitives
dialog { layout = vertical; }
cluster { layout = horizontal; }
radio_cluster { layout = horizontal; }
tile { layout = horizontal; }
text { fixed_height = true; }
button { fixed_height = true; is_tab_stop = true; }
toggle { fixed_height = true; is_tab_stop = true; }
radio_button { fixed_height = true; is_tab_stop = true; }
edit_box { fixed_height = true; is_tab_stop = true; }
popup_list { fixed_height = true; is_tab_stop = true; }
image_button { is_tab_stop = true; }
list_box { is_tab_stop = true; width = 10; height = 10; }
slider { is_tab_stop = true; }
image { }
spacer { }

// Clusters
row : cluster { horizontal_margin = none; vertical_margin = none; children_alignment = centered; }
column : cluster { layout = vertical; horizontal_margin = none; vertical_margin = none; }
radio_row : radio_cluster {
    horizontal_margin = none; vertical_margin = none; children_alignment = centered;
}
radio_column : radio_cluster { layout = vertical; horizontal_margin = none; vertical_margin = none; }
boxed_row : cluster { boxed = true; label = " "; children_alignment = centered; }
boxed_column : cluster { layout = vertical; boxed = true; label = " "; }
boxed_radio_row : radio_cluster { boxed = true; label = " "; children_alignment = centered; }
boxed_radio_column : radio_cluster { layout = vertical; boxed = true; label = " "; }

// Text clusters and spacers
concatenation : cluster { fixed_width = true; fixed_height = true; children_alignment = centered; }
paragraph : cluster { layout = vertical; fixed_height = true; }
text_part : text { horizontal_margin = none; vertical_margin = none; }
spacer_0 : spacer { width = 0; height = 0; horizontal_margin = none; vertical_margin = none; }
spacer_1 : spacer { width = 1; height = 1; horizontal_margin = none; vertical_margin = none; }

// Exit buttons
default_button : button { is_default = true; }
retirement_button : button { fixed_width = true; width = 8; alignment = centered; }
ok_button : retirement_button { label = "  OK  "; key = "accept"; is_default = true; }
cancel_button : retirement_button { label = "Cancel"; key = "cancel"; is_cancel = true; }
help_button : retirement_button { label = "&Help"; key = "help"; is_help = true; }
info_button : retirement_button { label = "&Info..."; key = "info"; }

ok_only : column {
    fixed_width = true;
    alignment = centered;
    : ok_button { is_cancel = true; }
}
ok_cancel : column {
    : row {
        fixed_width = true;
        alignment = centered;
        ok_button;
        : spacer { width = 2; }
        cancel_button;
    }
}
ok_cancel_help : column {
    : row {
        fixed_width = true;
        alignment = centered;
        ok_button;
        : spacer { width = 2; }
        cancel_button;
        : spacer { width = 2; }
        help_button;
    }
}
ok_cancel_help_info : column {
    : row {
        fixed_width = true;
        alignment = centered;
        ok_button;
        : spacer { width = 2; }
        cancel_button;
        : spacer { width = 2; }
        help_button;
        : spacer { width = 2; }
        info_button;
    }
}

// Error line
errtile : text { label = ""; key = "error"; width = 35; is_error_tile = true; }
ok_cancel_help_errtile : column { ok_cancel_help; errtile; }
ok_cancel_err : column { ok_cancel; errtile; }

// Settings
default_dcl_settings : tile { audit_level = 1; }
)DCL";

const QStringList kActive = {QStringLiteral("button"),       QStringLiteral("edit_box"),
                             QStringLiteral("image_button"), QStringLiteral("list_box"),
                             QStringLiteral("popup_list"),   QStringLiteral("radio_button"),
                             QStringLiteral("slider"),       QStringLiteral("toggle")};

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

QList<AttributeInfo> makeAttributes()
{
    const QString restricted =
        QStringLiteral("Autodesk says it must not be used; the standard tiles use it internally");
    const QString internal = QStringLiteral("it is internal to the standard tiles");
    const QStringList clusters = words("dialog cluster radio_cluster");
    const QStringList active = kActive;
    const QStringList labelled =
        words("dialog cluster radio_cluster button edit_box list_box popup_list radio_button "
              "slider text toggle");
    return {
        {QStringLiteral("action"),
         AttributeType::String,
         active + words("radio_cluster image"),
         {}},
        {QStringLiteral("alignment"), AttributeType::Alignment, {}, {}},
        {QStringLiteral("allow_accept"),
         AttributeType::Bool,
         words("edit_box list_box image_button"),
         {}},
        {QStringLiteral("aspect_ratio"), AttributeType::Number, words("image image_button"), {}},
        {QStringLiteral("big_increment"), AttributeType::Integer, words("slider"), {}},
        {QStringLiteral("small_increment"), AttributeType::Integer, words("slider"), {}},
        {QStringLiteral("children_alignment"), AttributeType::Alignment, clusters, {}},
        {QStringLiteral("children_fixed_width"), AttributeType::Bool, clusters, {}},
        {QStringLiteral("children_fixed_height"), AttributeType::Bool, clusters, {}},
        {QStringLiteral("color"), AttributeType::Color, words("image image_button"), {}},
        {QStringLiteral("edit_limit"), AttributeType::Integer, words("edit_box"), {}},
        {QStringLiteral("edit_width"), AttributeType::Number, words("edit_box popup_list"), {}},
        {QStringLiteral("fixed_width"), AttributeType::Bool, {}, {}},
        {QStringLiteral("fixed_height"), AttributeType::Bool, {}, {}},
        {QStringLiteral("fixed_width_font"), AttributeType::Bool, words("list_box popup_list"), {}},
        {QStringLiteral("width"), AttributeType::Number, {}, {}},
        {QStringLiteral("height"), AttributeType::Number, {}, {}},
        {QStringLiteral("initial_focus"), AttributeType::String, words("dialog"), {}},
        {QStringLiteral("is_bold"), AttributeType::Bool, words("text"), {}},
        {QStringLiteral("is_default"), AttributeType::Bool, words("button"), {}},
        {QStringLiteral("is_cancel"), AttributeType::Bool, words("button"), {}},
        {QStringLiteral("is_enabled"), AttributeType::Bool, {}, {}},
        {QStringLiteral("is_tab_stop"), AttributeType::Bool, active + words("image"), {}},
        {QStringLiteral("key"), AttributeType::String, {}, {}},
        {QStringLiteral("label"), AttributeType::String, labelled, {}},
        {QStringLiteral("layout"), AttributeType::Layout, clusters + words("slider"), {}},
        {QStringLiteral("list"), AttributeType::String, words("list_box popup_list"), {}},
        {QStringLiteral("max_value"), AttributeType::Integer, words("slider"), {}},
        {QStringLiteral("min_value"), AttributeType::Integer, words("slider"), {}},
        {QStringLiteral("mnemonic"), AttributeType::String, active, {}},
        {QStringLiteral("multiple_select"), AttributeType::Bool, words("list_box"), {}},
        {QStringLiteral("password_char"), AttributeType::String, words("edit_box"), {}},
        {QStringLiteral("tabs"), AttributeType::String, words("list_box popup_list"), {}},
        {QStringLiteral("tab_truncate"), AttributeType::Bool, words("list_box popup_list"), {}},
        {QStringLiteral("value"),
         AttributeType::String,
         words("dialog radio_cluster text edit_box toggle radio_button list_box popup_list slider "
               "image button image_button"),
         {}},
        {QStringLiteral("audit_level"), AttributeType::Integer, words("tile"), {}},
        {QStringLiteral("horizontal_margin"), AttributeType::Margin, {}, restricted},
        {QStringLiteral("vertical_margin"), AttributeType::Margin, {}, restricted},
        {QStringLiteral("type"), AttributeType::String, {}, restricted},
        {QStringLiteral("boxed"), AttributeType::Bool, clusters, internal},
        {QStringLiteral("is_error_tile"), AttributeType::Bool, words("text"), internal},
        {QStringLiteral("is_help"), AttributeType::Bool, words("button"), internal},
    };
}

const QList<AttributeInfo> &attributes()
{
    static const QList<AttributeInfo> table = makeAttributes();
    return table;
}

} // namespace

QString standardTilesText()
{
    return QString::fromLatin1(kStandardTiles);
}

const QStringList &primitiveTiles()
{
    static const QStringList primitives =
        words("dialog cluster radio_cluster tile text button toggle radio_button edit_box "
              "popup_list image_button list_box slider image spacer");
    return primitives;
}

bool isStandardKind(const QString &name)
{
    static const QSet<QString> kinds = [] {
        const QStringList names =
            primitiveTiles() + words("row column radio_row radio_column boxed_row boxed_column "
                                     "boxed_radio_row boxed_radio_column concatenation paragraph "
                                     "text_part spacer_0 spacer_1");
        return QSet<QString>(names.begin(), names.end());
    }();
    return kinds.contains(name);
}

bool isActivePrimitive(QStringView primitive)
{
    return kActive.contains(primitive);
}

const AttributeInfo *findAttribute(const QString &name)
{
    static const QHash<QString, const AttributeInfo *> byName = [] {
        QHash<QString, const AttributeInfo *> table;
        for (const AttributeInfo &info : attributes())
            table.insert(info.name, &info);
        return table;
    }();
    return byName.value(name);
}

const AttributeInfo *findAttributeIgnoringCase(QStringView name)
{
    for (const AttributeInfo &info : attributes())
        if (info.name.compare(name, Qt::CaseInsensitive) == 0)
            return &info;
    return nullptr;
}

const QStringList &colorWords()
{
    static const QStringList colors =
        words("dialog_line dialog_foreground dialog_background graphics_background "
              "graphics_foreground black red yellow green cyan blue magenta white");
    return colors;
}

} // namespace tw::dcl
