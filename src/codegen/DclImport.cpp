#include "codegen/DclImport.h"

#include "codegen/DialogCode.h"
#include "codegen/GeneratedLispReader.h"
#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "dcl/Document.h"
#include "dcl/StandardTiles.h"
#include "format/ComponentRecord.h"
#include "format/Error.h"
#include "slide/SlideLibrary.h"
#include "tiles/DCLPanel.h"
#include "tiles/DesignRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <functional>

namespace tw
{
namespace
{

constexpr qint64 kMaxLispFileSize = 4 * 1024 * 1024;
// Far more tiles than any dialog shows; each one is a widget on the design stage.
constexpr int kMaxTiles = 20000;
// Sizes beyond any screen are clamped, so that no sum of sizes of kMaxTiles tiles overflows.
constexpr double kMaxCharacters = 1000;

using dcl::Attribute;
using dcl::Tile;

// What a tile class can carry, beyond Key, sizes and the fixed flags every tile has.
enum Carry : unsigned {
    Label = 1 << 0,
    CadAlignment = 1 << 1,     // Alignment is a TCadAlignment (all five DCL words)
    ToolkitAlignment = 1 << 2, // Alignment is a TAlignment (left, right, centered)
    TabStop = 1 << 3,
    Enabled = 1 << 4,
    Action = 1 << 5,
    Link = 1 << 6,
    ClusterFlags = 1 << 7, // children_alignment, children_fixed_*
    Lists = 1 << 8,        // list, tabs, value as text
};

struct ClassInfo {
    const char *className;
    unsigned carries;
    bool container = false;
    bool columnOrder = true; // for containers: children stacked from the top
    bool boxed = false;
};

const unsigned kActive = Label | TabStop | Enabled | Action | Link;
const ClassInfo kButton{"TDCLButton", Label | CadAlignment | TabStop | Enabled | Action};
const ClassInfo kEdit{"TDCLEdit", kActive | ToolkitAlignment};
const ClassInfo kToggle{"TDCLCheckButton", kActive | CadAlignment};
const ClassInfo kRadio{"TDCLRadio", kActive | CadAlignment};
const ClassInfo kText{"TDCLLabel", Label | CadAlignment | Enabled};
const ClassInfo kPopup{"TDCLCombo", kActive | CadAlignment | Lists};
const ClassInfo kListBox{"TDCLListLabel", kActive | CadAlignment | Lists};
const ClassInfo kSlider{"TDCLScrollBar", TabStop | Enabled | Action | Link | ToolkitAlignment};
const ClassInfo kImage{"TDCLImage", TabStop | Enabled | Action | Link | ToolkitAlignment};
const ClassInfo kImageButton{"TDCLImageBtn", TabStop | Enabled | Action | Link | ToolkitAlignment};
const ClassInfo kSpacer{"TDCLSpacer", 0};
const unsigned kCluster = Label | TabStop | Enabled | Action | ClusterFlags;
const ClassInfo kColumn{"TDCLColumn", kCluster | CadAlignment, true, true};
const ClassInfo kRow{"TDCLRow", kCluster | CadAlignment, true, false};
const ClassInfo kBoxedColumn{"TDCLGroupColumn", kCluster | Link | ToolkitAlignment, true, true,
                             true};
const ClassInfo kBoxedRow{"TDCLGroupRow", kCluster | Link | ToolkitAlignment, true, false, true};
const ClassInfo kDialog{"TDCLPanel", 0, true, true};

const QStringList &exitGroups()
{
    static const QStringList names = {QStringLiteral("ok_only"),
                                      QStringLiteral("ok_cancel"),
                                      QStringLiteral("ok_cancel_help"),
                                      QStringLiteral("ok_cancel_help_errtile"),
                                      QStringLiteral("ok_cancel_help_info"),
                                      QStringLiteral("errtile"),
                                      QStringLiteral("ok_cancel_err")};
    return names;
}

// Names the standard tiles define beyond the tile kinds.
bool isStandardName(const QString &name)
{
    static const QSet<QString> names = {
        QStringLiteral("default_button"),      QStringLiteral("retirement_button"),
        QStringLiteral("ok_button"),           QStringLiteral("cancel_button"),
        QStringLiteral("help_button"),         QStringLiteral("info_button"),
        QStringLiteral("default_dcl_settings")};
    return dcl::isStandardKind(name) || names.contains(name) || exitGroups().contains(name);
}

// The exit group a tile is, or empty.
QString exitGroupOf(const Tile &tile)
{
    for (const QString &name : tile.lineage)
        if (exitGroups().contains(name))
            return name;
    return {};
}

bool isRadioButton(const Tile &tile)
{
    return tile.kind == QLatin1String("radio_button");
}

bool hasOwnAttributes(const Tile &tile)
{
    for (const Attribute &attribute : tile.attributes)
        if (!attribute.where.isBuiltIn())
            return true;
    return false;
}

const ClassInfo *classFor(const Tile &tile)
{
    static const QHash<QString, const ClassInfo *> classes = {
        {QStringLiteral("button"), &kButton},
        {QStringLiteral("edit_box"), &kEdit},
        {QStringLiteral("toggle"), &kToggle},
        {QStringLiteral("radio_button"), &kRadio},
        {QStringLiteral("text"), &kText},
        {QStringLiteral("text_part"), &kText},
        {QStringLiteral("popup_list"), &kPopup},
        {QStringLiteral("list_box"), &kListBox},
        {QStringLiteral("slider"), &kSlider},
        {QStringLiteral("image"), &kImage},
        {QStringLiteral("image_button"), &kImageButton},
        {QStringLiteral("spacer"), &kSpacer},
        {QStringLiteral("spacer_0"), &kSpacer},
        {QStringLiteral("spacer_1"), &kSpacer},
        {QStringLiteral("column"), &kColumn},
        {QStringLiteral("radio_column"), &kColumn},
        {QStringLiteral("paragraph"), &kColumn},
        {QStringLiteral("row"), &kRow},
        {QStringLiteral("radio_row"), &kRow},
        {QStringLiteral("concatenation"), &kRow},
        {QStringLiteral("boxed_column"), &kBoxedColumn},
        {QStringLiteral("boxed_radio_column"), &kBoxedColumn},
        {QStringLiteral("boxed_row"), &kBoxedRow},
        {QStringLiteral("boxed_radio_row"), &kBoxedRow},
    };
    if (const ClassInfo *info = classes.value(tile.kind))
        return info;
    if (tile.kind == QLatin1String("cluster") || tile.kind == QLatin1String("radio_cluster"))
        return tile.value(u"layout") == QLatin1String("vertical") ? &kColumn : &kRow;
    return nullptr;
}

// A tile on its way to becoming a component record.
struct Node {
    const ClassInfo *info = nullptr;
    std::vector<NamedValue> properties;
    std::vector<Node> children;
    int width = -1; // pixels as written, -1 when not
    int height = -1;
    double widthCharacters = -1; // as written
    double heightCharacters = -1;
    dcl::Position widthWhere;
    dcl::Position heightWhere;
    QSize natural;
    QString componentName;

    void set(const QString &name, const StreamValue &value)
    {
        for (NamedValue &property : properties)
            if (property.name == name) {
                property.value = value;
                return;
            }
        properties.push_back({name, value});
    }
    const StreamValue *get(const QString &name) const
    {
        for (const NamedValue &property : properties)
            if (property.name == name)
                return &property.value;
        return nullptr;
    }
    QString key() const
    {
        const StreamValue *value = get(QStringLiteral("Key"));
        return value ? value->text : QString();
    }
};

// The insets a container keeps around its docked children, and each class's own size.
struct Metrics {
    QHash<QString, QSize> defaults;
    QHash<QString, QMargins> insets;
};

Metrics measure()
{
    Metrics metrics;
    TDesignRoot owner;
    for (const ClassInfo *info :
         {&kButton, &kEdit, &kToggle, &kRadio, &kText, &kPopup, &kListBox, &kSlider, &kImage,
          &kImageButton, &kSpacer, &kColumn, &kRow, &kBoxedColumn, &kBoxedRow, &kDialog}) {
        std::unique_ptr<TControl> probe(
            ClassRegistry::instance().create(QString::fromLatin1(info->className), &owner));
        if (!probe)
            continue;
        metrics.defaults.insert(QLatin1String(info->className), probe->size());
        const QRect area = probe->alignRect();
        metrics.insets.insert(QLatin1String(info->className),
                              QMargins(area.left(), area.top(), probe->width() - area.right() - 1,
                                       probe->height() - area.bottom() - 1));
    }
    return metrics;
}

QString alignmentIdent(const QString &word, bool cad)
{
    static const QHash<QString, QString> cadWords = {
        {QStringLiteral("top"), QStringLiteral("Top")},
        {QStringLiteral("bottom"), QStringLiteral("Bottom")},
        {QStringLiteral("centered"), QStringLiteral("Center")},
        {QStringLiteral("left"), QStringLiteral("Left")},
        {QStringLiteral("right"), QStringLiteral("Right")}};
    static const QHash<QString, QString> toolkitWords = {
        {QStringLiteral("left"), QStringLiteral("taLeftJustify")},
        {QStringLiteral("right"), QStringLiteral("taRightJustify")},
        {QStringLiteral("centered"), QStringLiteral("taCenter")}};
    return (cad ? cadWords : toolkitWords).value(word);
}

QString colorIdent(const QString &value)
{
    static const QStringList names = {QStringLiteral("black"),
                                      QStringLiteral("red"),
                                      QStringLiteral("yellow"),
                                      QStringLiteral("green"),
                                      QStringLiteral("cyan"),
                                      QStringLiteral("blue"),
                                      QStringLiteral("magenta"),
                                      QStringLiteral("white"),
                                      QStringLiteral("graphics_foreground"),
                                      QStringLiteral("dialog_line"),
                                      QStringLiteral("dialog_foreground"),
                                      QStringLiteral("dialog_background"),
                                      QStringLiteral("graphics_background")};
    if (names.contains(value))
        return value;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= 0 && number <= 7 ? names[number] : QString();
}

class Importer
{
public:
    explicit Importer(dcl::Diagnostics &warnings) : m_warnings(warnings) {}

    Node dialog(const Tile &tile);
    void applyLisp(Node &dialog, const GeneratedLisp &lisp, const QString &lispPath);

private:
    void warn(const dcl::Position &where, const QString &message)
    {
        m_warnings.append({dcl::Severity::Warning, where, QStringLiteral("import"), message});
    }
    void build(const Tile &tile, Node &node, bool inRow);
    void buildChildren(const Tile &tile, Node &node, bool dialog);
    bool unwraps(const Tile &parent, std::size_t index, bool dialog, bool previousUnwrapped) const;
    void applyAttribute(const Tile &tile, const Attribute &attribute, Node &node);
    bool applyCarried(const Tile &tile, const Attribute &attribute, Node &node);
    bool applyBool(const Attribute &attribute, Node &node, const QString &property);
    bool applyNumber(const Attribute &attribute, Node &node, const QString &property,
                     double scale = 1);
    void warnPrototypes(const Tile &tile);

    dcl::Diagnostics &m_warnings;
    QSet<QString> m_prototypesWarned;
};

void Importer::warnPrototypes(const Tile &tile)
{
    for (const QString &name : tile.lineage) {
        if (isStandardName(name) || m_prototypesWarned.contains(name))
            continue;
        m_prototypesWarned.insert(name);
        warn(tile.where, QStringLiteral("prototype %1 cannot be kept: its tiles are imported "
                                        "with its attributes copied into each")
                             .arg(name));
    }
}

Node Importer::dialog(const Tile &tile)
{
    Node node;
    node.info = &kDialog;
    node.set(QStringLiteral("DialogName"), StreamValue::fromString(tile.name));
    const Attribute *label = tile.attribute(u"label");
    for (const Attribute &attribute : tile.attributes) {
        if (attribute.where.isBuiltIn() || attribute.name == QLatin1String("layout"))
            continue;
        if (attribute.name == QLatin1String("label") ||
            (attribute.name == QLatin1String("value") && !label))
            node.set(QStringLiteral("DialogCaption"),
                     StreamValue::fromString(attribute.value.text));
        else
            warn(attribute.where,
                 QStringLiteral("the dialog's %1 has no property in the design: left out")
                     .arg(attribute.name));
    }
    buildChildren(tile, node, true);
    return node;
}

bool Importer::unwraps(const Tile &parent, std::size_t index, bool dialog,
                       bool previousUnwrapped) const
{
    const Tile &tile = parent.children[index];
    const bool parentColumn = dialog || parent.value(u"layout") == QLatin1String("vertical");
    const QString wrapper =
        parentColumn ? QStringLiteral("radio_column") : QStringLiteral("radio_row");
    if (tile.kind != wrapper || tile.lineage.value(0) != wrapper || hasOwnAttributes(tile) ||
        tile.children.empty() || parent.primitive == QLatin1String("radio_cluster"))
        return false;
    for (const Tile &child : tile.children)
        if (!isRadioButton(child))
            return false;
    // A run of radio buttons is wrapped whole, so a wrapper next to radio buttons is a cluster.
    if (previousUnwrapped || (index > 0 && isRadioButton(parent.children[index - 1])) ||
        (index + 1 < parent.children.size() && isRadioButton(parent.children[index + 1])))
        return false;
    if (dialog)
        return true;
    // In a cluster whose tiles would all be radio buttons the cluster itself is the radio form.
    for (std::size_t i = 0; i < parent.children.size(); ++i)
        if (i != index && !isRadioButton(parent.children[i]))
            return true;
    return false;
}

void Importer::buildChildren(const Tile &tile, Node &node, bool dialog)
{
    bool previousUnwrapped = false;
    for (std::size_t i = 0; i < tile.children.size(); ++i) {
        const Tile &child = tile.children[i];
        const QString exitGroup = exitGroupOf(child);
        if (!exitGroup.isEmpty()) {
            const std::size_t count = tile.children.size();
            const bool last = i + 1 == count;
            // ok_cancel_help followed by errtile is the standard ok_cancel_help_errtile.
            const bool helpThenError =
                dialog && i + 2 == count && exitGroup == QLatin1String("ok_cancel_help") &&
                exitGroupOf(tile.children[i + 1]) == QLatin1String("errtile");
            if (helpThenError) {
                node.set(QStringLiteral("Retirement_Button"),
                         StreamValue::fromIdent(QStringLiteral("ok_cancel_help_errtile")));
                ++i;
            } else if (dialog && last && exitGroup != QLatin1String("ok_cancel_err")) {
                node.set(QStringLiteral("Retirement_Button"), StreamValue::fromIdent(exitGroup));
            } else if (dialog && last) {
                node.set(QStringLiteral("Retirement_Button"),
                         StreamValue::fromIdent(QStringLiteral("ok_cancel")));
                warn(child.where, QStringLiteral("ok_cancel_err has no retirement-button setting: "
                                                 "imported as ok_cancel"));
            } else {
                warn(child.where,
                     QStringLiteral("%1 cannot be held here: a design has its exit buttons only "
                                    "at the end of the dialog; left out")
                         .arg(exitGroup));
            }
            previousUnwrapped = false;
            continue;
        }
        if (unwraps(tile, i, dialog, previousUnwrapped)) {
            for (const Tile &radio : child.children) {
                node.children.emplace_back();
                build(radio, node.children.back(), !node.info->columnOrder);
            }
            previousUnwrapped = true;
            continue;
        }
        previousUnwrapped = false;
        if (!classFor(child)) {
            warn(child.where, QStringLiteral("a %1 tile has no counterpart in a design: left out")
                                  .arg(child.kind));
            continue;
        }
        node.children.emplace_back();
        build(child, node.children.back(), !node.info->columnOrder);
    }
    if (dialog && !node.get(QStringLiteral("Retirement_Button"))) {
        node.set(QStringLiteral("Retirement_Button"),
                 StreamValue::fromIdent(QStringLiteral("errtile")));
        warn(tile.where, QStringLiteral("the dialog does not end with an exit-button group: the "
                                        "design ends it with errtile"));
    }
}

void Importer::build(const Tile &tile, Node &node, bool inRow)
{
    node.info = classFor(tile);
    warnPrototypes(tile);
    static const QSet<QString> nearKinds = {
        QStringLiteral("text_part"),     QStringLiteral("paragraph"),
        QStringLiteral("concatenation"), QStringLiteral("spacer_0"),
        QStringLiteral("spacer_1"),      QStringLiteral("cluster"),
        QStringLiteral("radio_cluster")};
    if (nearKinds.contains(tile.kind))
        warn(tile.where, QStringLiteral("%1 has no tile of its own in a design: imported as %2")
                             .arg(tile.kind, QString::fromLatin1(node.info->className)));
    if (tile.kind == QLatin1String("boxed_radio_column") ||
        tile.kind == QLatin1String("boxed_radio_row"))
        node.set(QStringLiteral("IsRadioGroup"), StreamValue::fromBool(true));
    // DCL's defaults where they differ from a fresh tile's: no label (a fresh tile shows its
    // name; a cluster's blank caption already means none), tab stops, alignment.
    if ((node.info->carries & Label) && !node.info->container)
        node.set(QStringLiteral("Caption"), StreamValue::fromString(QString()));
    if (node.info->carries & TabStop)
        node.set(QStringLiteral("Tabstop"), StreamValue::fromBool(true));
    // Without an alignment line DCL aligns a tile by its parent's direction. The design takes
    // a word the generator leaves out there (Top in a column, Left in a row), so that
    // generating again writes no line either; the toolkit's alignment has no such word in a
    // column, where left is DCL's own default.
    if (node.info->carries & (CadAlignment | ToolkitAlignment)) {
        const bool cad = node.info->carries & CadAlignment;
        node.set(QStringLiteral("Alignment"),
                 StreamValue::fromIdent(!cad    ? QStringLiteral("taLeftJustify")
                                        : inRow ? QStringLiteral("Left")
                                                : QStringLiteral("Top")));
    }
    // The same for children_alignment, by the cluster's own direction.
    if ((node.info->carries & ClusterFlags) && (node.info->carries & CadAlignment))
        node.set(QStringLiteral("Children_alignment"),
                 StreamValue::fromIdent(node.info->columnOrder ? QStringLiteral("Top")
                                                               : QStringLiteral("Left")));
    // Key first, so that the other properties can be matched to the tile it names.
    if (const Attribute *key = tile.attribute(u"key"); key && !key->where.isBuiltIn())
        node.set(QStringLiteral("Key"), StreamValue::fromString(key->value.text));
    for (const Attribute &attribute : tile.attributes)
        applyAttribute(tile, attribute, node);
    // A slider's value is kept within its range, so the range is set first.
    const auto position =
        std::find_if(node.properties.begin(), node.properties.end(),
                     [](const NamedValue &p) { return p.name == QLatin1String("Position"); });
    if (position != node.properties.end())
        std::rotate(position, position + 1, node.properties.end());
    // These tiles start with a caption of their own, and a project does not store an empty one.
    const StreamValue *caption = node.get(QStringLiteral("Caption"));
    if ((node.info == &kButton || node.info == &kToggle || node.info == &kRadio) && caption &&
        caption->text.isEmpty())
        warn(tile.where, QStringLiteral("a %1 without a label cannot be kept in a project: read "
                                        "again, it shows the caption a new %1 has")
                             .arg(tile.kind));
    if (node.info->container)
        buildChildren(tile, node, false);
    // A radio cluster's value names its chosen radio button.
    const Attribute *value = tile.attribute(u"value");
    if (node.info->container && value && !value->where.isBuiltIn()) {
        bool found = false;
        for (Node &child : node.children)
            if (child.info == &kRadio && child.key() == value->value.text) {
                child.set(QStringLiteral("Value"), StreamValue::fromBool(true));
                found = true;
            }
        if (!found)
            warn(value->where, QStringLiteral("value \"%1\" names no radio button of this "
                                              "cluster: left out")
                                   .arg(value->value.text));
    }
}

bool Importer::applyBool(const Attribute &attribute, Node &node, const QString &property)
{
    const QString &word = attribute.value.text;
    if (word != QLatin1String("true") && word != QLatin1String("false")) {
        warn(attribute.value.where,
             QStringLiteral("%1 takes true or false, not %2: left out").arg(attribute.name, word));
        return true;
    }
    node.set(property, StreamValue::fromBool(word == QLatin1String("true")));
    return true;
}

bool Importer::applyNumber(const Attribute &attribute, Node &node, const QString &property,
                           double scale)
{
    bool ok = false;
    const double number = attribute.value.text.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::abs(number * scale) > 1e9) {
        warn(attribute.value.where, QStringLiteral("%1 takes a number, not \"%2\": left out")
                                        .arg(attribute.name, attribute.value.text));
        return true;
    }
    const double scaled = number * scale;
    if (scaled != std::round(scaled))
        warn(attribute.value.where, QStringLiteral("%1 = %2 is rounded to a whole number")
                                        .arg(attribute.name, attribute.value.text));
    node.set(property, StreamValue::fromInteger(qint64(std::round(scaled))));
    return true;
}

void Importer::applyAttribute(const Tile &tile, const Attribute &attribute, Node &node)
{
    const QString &name = attribute.name;
    if (name == QLatin1String("width") || name == QLatin1String("height")) {
        bool ok = false;
        const double characters = attribute.value.text.toDouble(&ok);
        if (!ok || !std::isfinite(characters) || characters < 0) {
            warn(attribute.value.where, QStringLiteral("%1 takes a number, not \"%2\": left out")
                                            .arg(name, attribute.value.text));
            return;
        }
        const double clamped = std::min(characters, kMaxCharacters);
        if (clamped < characters)
            warn(attribute.value.where, QStringLiteral("%1 = %2 is beyond what a design holds: "
                                                       "kept as %3")
                                            .arg(name, attribute.value.text)
                                            .arg(kMaxCharacters));
        if (name == QLatin1String("width")) {
            node.width = dclWidthToPixels(clamped);
            node.widthCharacters = clamped;
            node.widthWhere = attribute.value.where;
        } else {
            node.height = dclHeightToPixels(clamped);
            node.heightCharacters = clamped;
            node.heightWhere = attribute.value.where;
        }
        return;
    }
    // The standard tiles' own attributes are what a fresh tile already is, but for the boxed
    // clusters' blank label.
    const bool boxedLabel = name == QLatin1String("label") && node.info->boxed;
    if ((attribute.where.isBuiltIn() && !boxedLabel) || name == QLatin1String("key"))
        return;
    if (name == QLatin1String("value") && node.info->container)
        return; // the radio cluster's choice, applied to its radio button
    if (!applyCarried(tile, attribute, node))
        warn(attribute.where,
             QStringLiteral("%1 has no property on %2 tiles: left out").arg(name, tile.kind));
}

bool Importer::applyCarried(const Tile &tile, const Attribute &attribute, Node &node)
{
    const QString &name = attribute.name;
    const QString &text = attribute.value.text;
    const unsigned carries = node.info->carries;
    const QString className = QLatin1String(node.info->className);
    if (name == QLatin1String("fixed_width"))
        return applyBool(attribute, node, QStringLiteral("Fixed_width"));
    if (name == QLatin1String("fixed_height"))
        return applyBool(attribute, node, QStringLiteral("Fixed_height"));
    if (name == QLatin1String("label") && (carries & Label)) {
        node.set(QStringLiteral("Caption"), StreamValue::fromString(text));
        return true;
    }
    if (name == QLatin1String("alignment") && (carries & (CadAlignment | ToolkitAlignment))) {
        const QString ident = alignmentIdent(text, carries & CadAlignment);
        if (ident.isEmpty())
            warn(attribute.value.where,
                 QStringLiteral("alignment %1 cannot be held by %2 tiles: left out")
                     .arg(text, tile.kind));
        else
            node.set(QStringLiteral("Alignment"), StreamValue::fromIdent(ident));
        return true;
    }
    if (name == QLatin1String("is_tab_stop") && (carries & TabStop))
        return applyBool(attribute, node, QStringLiteral("Tabstop"));
    if (name == QLatin1String("is_enabled") && (carries & Enabled))
        return applyBool(attribute, node, QStringLiteral("Enabled"));
    if (carries & ClusterFlags) {
        if (name == QLatin1String("children_fixed_width"))
            return applyBool(attribute, node, QStringLiteral("Children_fixed_width"));
        if (name == QLatin1String("children_fixed_height"))
            return applyBool(attribute, node, QStringLiteral("Children_fixed_height"));
        if (name == QLatin1String("children_alignment")) {
            const QString ident = alignmentIdent(text, carries & CadAlignment);
            if (ident.isEmpty())
                warn(attribute.value.where,
                     QStringLiteral("children_alignment %1 cannot be held by %2 tiles: left out")
                         .arg(text, tile.kind));
            else
                node.set(QStringLiteral("Children_alignment"), StreamValue::fromIdent(ident));
            return true;
        }
    }
    if (name == QLatin1String("allow_accept") &&
        (className == QLatin1String("TDCLEdit") || className == QLatin1String("TDCLListLabel") ||
         className == QLatin1String("TDCLImageBtn")))
        return applyBool(attribute, node, QStringLiteral("Allow_accept"));
    if (className == QLatin1String("TDCLButton")) {
        if (name == QLatin1String("is_default"))
            return applyBool(attribute, node, QStringLiteral("Default"));
        if (name == QLatin1String("is_cancel"))
            return applyBool(attribute, node, QStringLiteral("Cancel"));
    }
    if (node.info == &kToggle || node.info == &kRadio) {
        if (name != QLatin1String("value"))
            return false;
        const QString trimmed = text.trimmed();
        if (trimmed != QLatin1String("1") && trimmed != QLatin1String("0") && !trimmed.isEmpty())
            warn(attribute.value.where,
                 QStringLiteral("value \"%1\" is neither \"0\" nor \"1\": taken as \"0\"")
                     .arg(text));
        node.set(QStringLiteral("Value"), StreamValue::fromBool(trimmed == QLatin1String("1")));
        return true;
    }
    if (node.info == &kEdit) {
        if (name == QLatin1String("value")) {
            node.set(QStringLiteral("Value"), StreamValue::fromString(text));
            return true;
        }
        if (name == QLatin1String("edit_limit"))
            return applyNumber(attribute, node, QStringLiteral("Edit_limit"));
        if (name == QLatin1String("edit_width"))
            return applyNumber(attribute, node, QStringLiteral("Edit_width"), 7.0);
        if (name == QLatin1String("password_char")) {
            if (text.size() != 1)
                warn(attribute.value.where,
                     QStringLiteral("password_char takes one character, not \"%1\": left out")
                         .arg(text));
            else
                node.set(QStringLiteral("Password_char"), StreamValue::fromString(text));
            return true;
        }
    }
    if (node.info == &kText) {
        if (name == QLatin1String("is_bold")) {
            if (text == QLatin1String("true")) {
                node.set(QStringLiteral("ParentFont"), StreamValue::fromBool(false));
                StreamValue style;
                style.tag = ValueTag::Set;
                style.members = {QStringLiteral("fsBold")};
                node.set(QStringLiteral("Font.Style"), style);
            }
            return true;
        }
        if (name == QLatin1String("value")) {
            if (!tile.attribute(u"label") || tile.attribute(u"label")->where.isBuiltIn())
                node.set(QStringLiteral("Caption"), StreamValue::fromString(text));
            else
                warn(attribute.where, QStringLiteral("a text tile shows its label; its value "
                                                     "\"%1\" is left out")
                                          .arg(text));
            return true;
        }
    }
    if (carries & Lists) {
        if (name == QLatin1String("list")) {
            node.set(QStringLiteral("List.Strings"),
                     StreamValue::fromStrings(text.split(QLatin1Char('\n'))));
            return true;
        }
        if (name == QLatin1String("tabs")) {
            node.set(QStringLiteral("Tabs"), StreamValue::fromString(text));
            return true;
        }
        if (name == QLatin1String("value")) {
            node.set(QStringLiteral("Value"), StreamValue::fromString(text));
            return true;
        }
        if (name == QLatin1String("multiple_select") && node.info == &kListBox)
            return applyBool(attribute, node, QStringLiteral("Multiple_select"));
        if (name == QLatin1String("edit_width") && node.info == &kPopup)
            return applyNumber(attribute, node, QStringLiteral("Edit_width"), 7.0);
    }
    if (node.info == &kSlider) {
        static const QHash<QString, QString> numbers = {
            {QStringLiteral("value"), QStringLiteral("Position")},
            {QStringLiteral("min_value"), QStringLiteral("Min")},
            {QStringLiteral("max_value"), QStringLiteral("Max")},
            {QStringLiteral("big_increment"), QStringLiteral("LargeChange")},
            {QStringLiteral("small_increment"), QStringLiteral("SmallChange")}};
        if (numbers.contains(name))
            return applyNumber(attribute, node, numbers.value(name));
        if (name == QLatin1String("layout")) {
            node.set(QStringLiteral("Kind"),
                     StreamValue::fromIdent(text == QLatin1String("vertical")
                                                ? QStringLiteral("sbVertical")
                                                : QStringLiteral("sbHorizontal")));
            return true;
        }
    }
    if (node.info == &kImage || node.info == &kImageButton) {
        if (name == QLatin1String("color")) {
            const QString ident = colorIdent(text);
            if (ident.isEmpty())
                warn(attribute.value.where,
                     QStringLiteral("color %1 has no counterpart in a design: left out").arg(text));
            else
                node.set(QStringLiteral("BackColor"), StreamValue::fromIdent(ident));
            return true;
        }
        if (name == QLatin1String("is_default"))
            return applyBool(attribute, node, QStringLiteral("Default"));
    }
    return false;
}

// The slide number of `name` in the library `path`, or -1 when it cannot be read there.
int librarySlideNumber(const QString &path, const QString &name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    try {
        const SlideLibrary library = SlideLibrary::ReadDirectory(file);
        for (int i = 0; i < library.SlideCount(); ++i)
            if (library.Entries()[std::size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0)
                return i;
    } catch (const TError &) {
        return -1;
    }
    return -1;
}

void collect(Node &node, std::vector<Node *> &out)
{
    out.push_back(&node);
    for (Node &child : node.children)
        collect(child, out);
}

void Importer::applyLisp(Node &dialog, const GeneratedLisp &lisp, const QString &lispPath)
{
    std::vector<Node *> tiles;
    collect(dialog, tiles);
    // The generator writes each tile's lines in DCL order, so each entry belongs to the next
    // tile with its key.
    auto match = [&](std::size_t &cursor, const QString &key, unsigned carry) -> Node * {
        for (std::size_t i = cursor; i < tiles.size(); ++i)
            if (tiles[i]->info != &kDialog && (tiles[i]->info->carries & carry) &&
                tiles[i]->key() == key) {
                cursor = i + 1;
                return tiles[i];
            }
        return nullptr;
    };
    auto warnAt = [&](int line, const QString &message) {
        warn(dcl::Position{lispPath, line, 1}, message);
    };
    std::size_t cursor = 0;
    for (const GeneratedLisp::Action &action : lisp.actions) {
        if (Node *tile = match(cursor, action.key, Action)) {
            tile->set(QStringLiteral("DCL_Action"), StreamValue::fromString(action.function));
            if (!action.body.isEmpty())
                tile->set(QStringLiteral("LispCode.Strings"),
                          StreamValue::fromStrings(action.body));
        } else {
            warnAt(action.line, QStringLiteral("action %1 names no tile \"%2\" of the dialog that "
                                               "can hold it: left out")
                                    .arg(action.function, action.key));
        }
    }
    cursor = 0;
    for (const GeneratedLisp::Link &link : lisp.links) {
        if (Node *tile = match(cursor, link.key, Link)) {
            tile->set(QStringLiteral("LinkToVar"), StreamValue::fromString(link.variable));
            if (tile->info == &kEdit)
                tile->set(QStringLiteral("IsString"), StreamValue::fromBool(link.isString));
        } else {
            warnAt(link.line, QStringLiteral("variable %1 is linked to no tile \"%2\" of the "
                                             "dialog that can hold it: left out")
                                  .arg(link.variable, link.key));
        }
    }
    cursor = 0;
    static const QRegularExpression librarySlide(QStringLiteral("^(.*\\.slb)\\(([^()]*)\\)$"),
                                                 QRegularExpression::CaseInsensitiveOption);
    for (const GeneratedLisp::Slide &slide : lisp.slides) {
        Node *tile = nullptr;
        for (std::size_t i = cursor; i < tiles.size() && !tile; ++i)
            if ((tiles[i]->info == &kImage || tiles[i]->info == &kImageButton) &&
                tiles[i]->key() == slide.key) {
                tile = tiles[i];
                cursor = i + 1;
            }
        if (!tile) {
            warnAt(slide.line, QStringLiteral("slide %1 is shown in no image tile \"%2\": left out")
                                   .arg(slide.slide, slide.key));
            continue;
        }
        const QRegularExpressionMatch library = librarySlide.match(slide.slide);
        if (!library.hasMatch()) {
            tile->set(QStringLiteral("Image"), StreamValue::fromString(slide.slide));
            continue;
        }
        tile->set(QStringLiteral("Image"), StreamValue::fromString(library.captured(1)));
        QString path = library.captured(1);
        if (QFileInfo(path).isRelative())
            path = QFileInfo(lispPath).dir().filePath(path);
        const int number = librarySlideNumber(path, library.captured(2));
        if (number < 0)
            warnAt(slide.line, QStringLiteral("slide %1 cannot be found in %2: the image shows "
                                              "the library's first slide")
                                   .arg(library.captured(2), library.captured(1)));
        else
            tile->set(QStringLiteral("SlideNo"), StreamValue::fromInteger(number));
    }
}

// A container's size across its children (its height for a row) decides theirs, since they are
// docked to fill it. Where several pixel sizes write the same tenth, the one whose children
// then write their own tenths is taken.
int acrossSize(const Node &node, int inset)
{
    const bool row = !node.info->columnOrder;
    const double characters = row ? node.heightCharacters : node.widthCharacters;
    const int written = row ? node.height : node.width;
    const double unit = row ? 15.0 : 7.0;
    const QString text = FormatDclSize(characters);
    int best = written;
    int bestScore = -1;
    for (int pixels = written - 2; pixels <= written + 2; ++pixels) {
        if (pixels < 0 || FormatDclSize(pixels / unit) != text)
            continue;
        int score = 0;
        const QString inner = FormatDclSize((pixels - inset) / unit);
        for (const Node &child : node.children) {
            const double given = row ? child.heightCharacters : child.widthCharacters;
            score += given >= 0 && FormatDclSize(given) == inner;
        }
        if (score > bestScore) {
            best = pixels;
            bestScore = score;
        }
    }
    return best;
}

// Natural sizes, bottom up: a size written in the file, else what the children need, else the
// class's own.
void measureNode(Node &node, const Metrics &metrics)
{
    const QString className = QLatin1String(node.info->className);
    QSize size = metrics.defaults.value(className, QSize(100, 30));
    if (node.info->container && !node.children.empty()) {
        int along = 0;
        int across = 0;
        for (Node &child : node.children) {
            measureNode(child, metrics);
            const QSize c = child.natural;
            along += node.info->columnOrder ? c.height() : c.width();
            across = std::max(across, node.info->columnOrder ? c.width() : c.height());
        }
        const QMargins inset = metrics.insets.value(className);
        const QSize content = node.info->columnOrder ? QSize(across, along) : QSize(along, across);
        size = content.grownBy(inset);
        if (node.info->columnOrder && node.width >= 0)
            node.width = acrossSize(node, inset.left() + inset.right());
        else if (!node.info->columnOrder && node.height >= 0)
            node.height = acrossSize(node, inset.top() + inset.bottom());
    }
    node.natural = QSize(node.width >= 0 ? node.width : size.width(),
                         node.height >= 0 ? node.height : size.height());
}

ComponentRecord toRecord(Node &node, const QPoint &position, const Metrics &metrics,
                         QHash<QString, int> &counters)
{
    ComponentRecord record;
    record.className = QLatin1String(node.info->className);
    record.name = node.info == &kDialog
                      ? QStringLiteral("DCLPanelBasic")
                      : record.className.mid(1) + QString::number(++counters[record.className]);
    node.componentName = record.name;
    record.properties = {
        {QStringLiteral("Left"), StreamValue::fromInteger(position.x())},
        {QStringLiteral("Top"), StreamValue::fromInteger(position.y())},
        {QStringLiteral("Width"), StreamValue::fromInteger(node.natural.width())},
        {QStringLiteral("Height"), StreamValue::fromInteger(node.natural.height())}};
    record.properties.insert(record.properties.end(), node.properties.begin(),
                             node.properties.end());
    const QMargins inset = metrics.insets.value(record.className);
    QPoint next(inset.left(), inset.top());
    for (Node &child : node.children) {
        record.children.push_back(toRecord(child, next, metrics, counters));
        if (node.info->columnOrder)
            next.ry() += child.natural.height();
        else
            next.rx() += child.natural.width();
    }
    return record;
}

// Tiles docked in a column are as wide as it, in a row as high as it: a size written
// otherwise is listed.
void reportDockedSizes(const Node &node, const TOwner &owner, dcl::Diagnostics &warnings)
{
    for (const Node &child : node.children) {
        const bool column = node.info->columnOrder;
        const double written = column ? child.widthCharacters : child.heightCharacters;
        const TControl *tile = owner.findComponent(child.componentName);
        const dcl::Position &where = column ? child.widthWhere : child.heightWhere;
        // Sizes the standard tiles give are what DCL would size the tile to; they go unsaid.
        if (written >= 0 && tile && !where.isBuiltIn()) {
            const QString kept =
                column ? FormatDclSize(tile->width() / 7.0) : FormatDclSize(tile->height() / 15.0);
            if (kept != FormatDclSize(written))
                warnings.append(
                    {dcl::Severity::Warning, where, QStringLiteral("import"),
                     QStringLiteral("%1 %2 cannot be kept: a tile in a %3 is as %4 as it (%5)")
                         .arg(column ? QStringLiteral("width") : QStringLiteral("height"))
                         .arg(FormatDclSize(written).trimmed(),
                              column ? QStringLiteral("column") : QStringLiteral("row"),
                              column ? QStringLiteral("wide") : QStringLiteral("high"),
                              kept.trimmed())});
        }
        reportDockedSizes(child, owner, warnings);
    }
}

DclImport finish(const dcl::Document &document, const QString &path,
                 const std::optional<QString> &lispText, const QString &lispPath,
                 const QString &dialogName)
{
    if (!document.readError().isEmpty())
        throw TError(document.readError());
    const std::vector<const Tile *> dialogs = document.dialogs();
    const Tile *tile = nullptr;
    if (dialogName.isEmpty()) {
        if (!dialogs.empty())
            tile = dialogs.front();
    } else {
        tile = document.dialog(dialogName);
        if (!tile)
            throw TError(QStringLiteral("%1 has no dialog named %2").arg(path, dialogName));
    }
    if (!tile) {
        for (const dcl::Diagnostic &diagnostic : document.diagnostics())
            if (diagnostic.severity == dcl::Severity::Error)
                throw TError(QStringLiteral("%1 holds no dialog: %2")
                                 .arg(path, dcl::formatDiagnostic(diagnostic)));
        throw TError(QStringLiteral("%1 holds no dialog").arg(path));
    }

    const std::function<int(const Tile &)> count = [&](const Tile &t) {
        int total = 1;
        for (const Tile &child : t.children)
            total += count(child);
        return total;
    };
    if (count(*tile) > kMaxTiles)
        throw TError(QStringLiteral("%1: the dialog %2 holds more than %3 tiles, more than a "
                                    "design can hold")
                         .arg(path, tile->name)
                         .arg(kMaxTiles));

    DclImport result;
    // Problems in the file decide what could be imported, so they are listed with the rest.
    for (dcl::Diagnostic diagnostic : document.diagnostics()) {
        diagnostic.severity = dcl::Severity::Warning;
        result.warnings.append(diagnostic);
    }
    Importer importer(result.warnings);
    Node dialog = importer.dialog(*tile);
    if (lispText) {
        GeneratedLisp lisp;
        if (!readGeneratedLisp(*lispText, lisp))
            result.warnings.append({dcl::Severity::Warning, dcl::Position{lispPath, 0, 0},
                                    QStringLiteral("import"),
                                    QStringLiteral("not read: it is not an AutoLISP file that "
                                                   "Tilewright generated")});
        else if (lisp.dialogName.trimmed() != tile->name)
            result.warnings.append({dcl::Severity::Warning, dcl::Position{lispPath, 0, 0},
                                    QStringLiteral("import"),
                                    QStringLiteral("not read: it loads the dialog %1, not %2")
                                        .arg(lisp.dialogName, tile->name)});
        else {
            result.lispFile = lispPath;
            importer.applyLisp(dialog, lisp, lispPath);
            // Generating again writes the same pair of files.
            dialog.set(QStringLiteral("DCLFileName"), StreamValue::fromString(lisp.dclFile));
            dialog.set(QStringLiteral("LispFileName"),
                       StreamValue::fromString(QFileInfo(lispPath).fileName()));
        }
    }

    const Metrics metrics = measure();
    measureNode(dialog, metrics);
    QHash<QString, int> counters;
    std::vector<ComponentRecord> records{toRecord(dialog, QPoint(0, 0), metrics, counters)};
    result.design = std::make_unique<TDesignRoot>();
    result.design->load(records);
    // The dialog takes the width of its widest tile and the height of them all, above its
    // exit buttons.
    if (TDCLPanel *panel = result.design->dialogTile()) {
        const QRect area = panel->alignRect();
        int width = 0;
        int height = 0;
        for (const Node &child : dialog.children) {
            width = std::max(width, child.natural.width());
            height += child.natural.height();
        }
        const int bar = panel->buttonBar() ? panel->buttonBar()->height() : 0;
        panel->setBounds(0, 0, width + panel->width() - area.width(),
                         height + panel->height() - area.height() + bar);
    }
    reportDockedSizes(dialog, *result.design, result.warnings);
    return result;
}

} // namespace

int dclWidthToPixels(double characters)
{
    return int(std::lround(characters * 7.0));
}

int dclHeightToPixels(double characters)
{
    return int(std::lround(characters * 15.0));
}

DclImport importDclText(const QString &dclText, const QString &path,
                        const std::optional<QString> &lispText, const QString &lispPath,
                        const QString &dialogName)
{
    const dcl::Document document = dcl::Document::fromText(dclText, path);
    return finish(document, path, lispText, lispPath, dialogName);
}

DclImport importDclFile(const QString &path, const QString &dialogName)
{
    const dcl::Document document = dcl::Document::load(path);
    const QFileInfo info(path);
    QString lispPath;
    std::optional<QString> lispText;
    const QStringList beside =
        info.dir().entryList({info.completeBaseName() + QStringLiteral(".lsp")}, QDir::Files);
    for (const QString &name : beside)
        if (name.compare(info.completeBaseName() + QStringLiteral(".lsp"), Qt::CaseInsensitive) ==
            0) {
            lispPath = info.dir().filePath(name);
            break;
        }
    if (!lispPath.isEmpty()) {
        // A file too large or unreadable is reported as not one the generator wrote.
        QFile file(lispPath);
        lispText = file.size() <= kMaxLispFileSize && file.open(QIODevice::ReadOnly)
                       ? dcl::decodeDclBytes(file.readAll())
                       : QString();
    }
    return finish(document, path, lispText, lispPath, dialogName);
}

} // namespace tw
