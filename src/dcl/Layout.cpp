#include "dcl/Layout.h"

#include <algorithm>
#include <cmath>

namespace tw::dcl
{
namespace
{

// Every figure the DCL reference leaves open, decided once. Sizes are in character units of the
// preview font (unitWidth, unitHeight) so the dialog scales with it; the reason for each value is
// beside it. Only IntelliCAD's engine publishes pixel figures (at an 8-pixel cell), so where one
// is needed it is turned into units from there.
struct Metrics {
    // Margin around every tile that keeps its margins: 0.4 x 0.2 units, so two siblings sit
    // about 6 pixels apart at an 8 x 15 cell, IntelliCAD's gap between dialog children.
    double marginX = 0.4;
    double marginY = 0.2;
    // Dialog border inside the frame: one unit at the sides (IntelliCAD's 8 pixels) and half a
    // line above and below, which puts the first and last rows as far from the frame as the
    // sides.
    double dialogSide = 1.0;
    double dialogEnd = 0.5;
    // Boxed clusters: the label line is set into the top border, so a labelled (or blank) box
    // reserves a full line plus a quarter above its children; an empty label "" reserves only
    // the quarter (AutoCAD spaces them differently). Half a unit at the sides and a quarter line
    // below keep the frame clear of the children's own margins.
    double boxSide = 0.5;
    double boxLabelTop = 1.25;
    double boxEmptyTop = 0.25;
    double boxBottom = 0.25;
    // A box label needs two units beside it so the border shows on both sides.
    double boxLabelRoom = 2.0;
    // The title bar: the title plus room for the window buttons (about 10 units, VeLisp's 160
    // pixels at its 7.5-pixel unit rounded down) sets the dialog's least width.
    double titleRoom = 10.0;
    // Buttons are "just over their label" wide: one unit each side of the text, 1.5 lines tall
    // (IntelliCAD 1.7) so the label has a frame around it.
    double buttonPadding = 2.0;
    double buttonHeight = 1.5;
    // Toggles and radio buttons: a box one line square and a character's room before the
    // label (less cuts the label's last letter in common styles); 1.25 lines tall (IntelliCAD
    // 1.3).
    double checkGap = 1.0;
    double checkHeight = 1.25;
    // edit_box and popup_list: one unit between label and box; the box holds edit_width
    // characters plus one unit of frame and caret (10 when edit_width is 0, the reference's
    // guideline for numbers); the popup's arrow takes two more units. Both 1.5 lines tall like
    // a button, so they line up in a row with one.
    double fieldGap = 1.0;
    double fieldFrame = 1.0;
    double defaultEditWidth = 10.0;
    double popupArrow = 2.0;
    double fieldHeight = 1.5;
    // list_box: `height` counts the label above it; at least three lines and a frame show.
    double listLeastLines = 3.0;
    double listFrame = 0.5;
    // Sliders: IntelliCAD's 12.5 units long; 1.5 units across so the handle fits. A vertical
    // slider is the same turned upright.
    double sliderLength = 12.5;
    double sliderAcross = 1.5;
    // image and image_button without a size: IntelliCAD's 5.5 x 1.7.
    double imageWidth = 5.5;
    double imageHeight = 1.7;
    // A spacer without a size is one blank character cell.
    double spacerWidth = 1.0;
    double spacerHeight = 1.0;
    // Sizes beyond this many units are taken as this many, so no file can overflow the layout.
    double largestUnits = 1000.0;
};

const Metrics kMetrics;
// The most pixels a cluster's children add up to.
constexpr qint64 kLargestPixels = 1 << 24;

enum class Align { Start, Center, End };

struct Node {
    const Tile *tile = nullptr;
    bool cluster = false;
    bool vertical = false;
    QSize least;     // without margins
    int marginX = 0; // each side
    int marginY = 0; // above and below
    bool fixedW = false;
    bool fixedH = false;
    QMargins padding; // clusters: border around the children
    int labelWidth = 0;
    int labelHeight = 0; // list_box: the label line above the list
    int boxWidth = -1;   // edit_box, popup_list: the box when right-justified, -1 = fills
    std::vector<Node> children;
};

class Engine
{
public:
    explicit Engine(const LayoutFont &font) : m_font(font) {}

    Node measure(const Tile &tile, const Tile *parent) const;
    void place(const Node &node, const QRect &rect, PlacedTile &out) const;

private:
    int px(double units) const { return int(std::ceil(units * m_font.unitWidth)); }
    int py(double units) const { return int(std::ceil(units * m_font.unitHeight)); }
    // The attribute as a size in units, or -1 when absent, not a number or negative.
    double units(const Tile &tile, QStringView name) const;
    void measureLeaf(Node &node) const;
    void measureCluster(Node &node) const;

    const LayoutFont &m_font;
};

bool isCluster(const Tile &tile)
{
    return tile.primitive == QLatin1String("cluster") ||
           tile.primitive == QLatin1String("radio_cluster") ||
           tile.primitive == QLatin1String("dialog");
}

bool isVertical(const Tile &tile)
{
    return tile.value(u"layout") == QLatin1String("vertical");
}

// Whether a child is fixed along one direction: its own (or inherited) setting wins, then the
// parent's children_fixed_*.
bool fixedAlong(const Tile &tile, const Tile *parent, QStringView own, QStringView children)
{
    if (tile.attribute(own))
        return tile.isTrue(own);
    return parent && parent->isTrue(children);
}

double Engine::units(const Tile &tile, QStringView name) const
{
    const Attribute *attribute = tile.attribute(name);
    if (!attribute)
        return -1;
    bool ok = false;
    const double value = attribute->value.text.toDouble(&ok);
    if (!ok || !(value >= 0))
        return -1;
    return std::min(value, kMetrics.largestUnits);
}

Node Engine::measure(const Tile &tile, const Tile *parent) const
{
    Node node;
    node.tile = &tile;
    node.cluster = isCluster(tile);
    node.vertical = isVertical(tile);
    node.fixedW = fixedAlong(tile, parent, u"fixed_width", u"children_fixed_width");
    node.fixedH = fixedAlong(tile, parent, u"fixed_height", u"children_fixed_height");
    if (tile.value(u"horizontal_margin") != QLatin1String("none"))
        node.marginX = px(kMetrics.marginX);
    if (tile.value(u"vertical_margin") != QLatin1String("none"))
        node.marginY = py(kMetrics.marginY);
    if (node.cluster)
        measureCluster(node);
    else
        measureLeaf(node);
    // width and height are minimums.
    const double width = units(tile, u"width");
    const double height = units(tile, u"height");
    if (width >= 0)
        node.least.setWidth(std::max(node.least.width(), px(width)));
    if (height >= 0)
        node.least.setHeight(std::max(node.least.height(), py(height)));
    return node;
}

void Engine::measureLeaf(Node &node) const
{
    const Tile &tile = *node.tile;
    const QString &kind = tile.primitive;
    const QString label = displayLabel(tile.value(u"label"));
    const int text = label.isEmpty() ? 0 : m_font.measure(label, tile.isTrue(u"is_bold"));
    node.labelWidth = text;
    if (kind == QLatin1String("button")) {
        node.least = {text + px(kMetrics.buttonPadding), py(kMetrics.buttonHeight)};
    } else if (kind == QLatin1String("toggle") || kind == QLatin1String("radio_button")) {
        const int box = m_font.unitHeight;
        node.least = {box + (text ? px(kMetrics.checkGap) + text : 0), py(kMetrics.checkHeight)};
    } else if (kind == QLatin1String("edit_box") || kind == QLatin1String("popup_list")) {
        const double editWidth = units(tile, u"edit_width");
        const bool popup = kind == QLatin1String("popup_list");
        const double chars = editWidth > 0 ? editWidth : kMetrics.defaultEditWidth;
        const int box = px(chars + kMetrics.fieldFrame + (popup ? kMetrics.popupArrow : 0.0));
        if (editWidth > 0 || node.fixedW)
            node.boxWidth = box;
        node.least = {(text ? text + px(kMetrics.fieldGap) : 0) + box, py(kMetrics.fieldHeight)};
    } else if (kind == QLatin1String("list_box")) {
        node.labelHeight = text ? m_font.unitHeight : 0;
        node.least = {std::max(text, px(kMetrics.defaultEditWidth)),
                      node.labelHeight + py(kMetrics.listLeastLines + kMetrics.listFrame)};
    } else if (kind == QLatin1String("text")) {
        node.least = {text, m_font.unitHeight};
    } else if (kind == QLatin1String("slider")) {
        node.least = {px(kMetrics.sliderLength), py(kMetrics.sliderAcross)};
        if (isVertical(tile))
            node.least = {px(kMetrics.sliderAcross), py(kMetrics.sliderLength)};
    } else if (kind == QLatin1String("image") || kind == QLatin1String("image_button")) {
        // One side and aspect_ratio (width / height) give the other; 0 fits the picture, which
        // the layout does not have, so the default stands in for the missing side.
        const double width = units(tile, u"width");
        const double height = units(tile, u"height");
        const double aspect = units(tile, u"aspect_ratio");
        int w = px(width >= 0 ? width : kMetrics.imageWidth);
        int h = py(height >= 0 ? height : kMetrics.imageHeight);
        if (aspect > 0 && width >= 0 && height < 0)
            h = int(std::ceil(w / aspect));
        else if (aspect > 0 && height >= 0 && width < 0)
            w = int(std::ceil(h * aspect));
        node.least = {w, h};
    } else if (kind == QLatin1String("spacer")) {
        const bool sized = tile.attribute(u"width") || tile.attribute(u"height");
        node.least =
            sized ? QSize(0, 0) : QSize(px(kMetrics.spacerWidth), py(kMetrics.spacerHeight));
    }
}

void Engine::measureCluster(Node &node) const
{
    const Tile &tile = *node.tile;
    const bool dialog = tile.primitive == QLatin1String("dialog");
    if (dialog) {
        const int side = px(kMetrics.dialogSide);
        const int end = py(kMetrics.dialogEnd);
        node.padding = {side, end, side, end};
        node.marginX = node.marginY = 0;
    } else if (tile.isTrue(u"boxed")) {
        const Attribute *label = tile.attribute(u"label");
        const bool spaced = label && !label->value.text.isEmpty();
        node.padding = {px(kMetrics.boxSide),
                        py(spaced ? kMetrics.boxLabelTop : kMetrics.boxEmptyTop),
                        px(kMetrics.boxSide), py(kMetrics.boxBottom)};
        const QString text = displayLabel(tile.value(u"label")).trimmed();
        if (!text.isEmpty())
            node.labelWidth = m_font.measure(text) + px(kMetrics.boxLabelRoom);
    }
    qint64 along = 0;
    int across = 0;
    node.children.reserve(tile.children.size());
    for (const Tile &child : tile.children) {
        Node measured = measure(child, &tile);
        const int w = measured.least.width() + 2 * measured.marginX;
        const int h = measured.least.height() + 2 * measured.marginY;
        along += node.vertical ? h : w;
        across = std::max(across, node.vertical ? w : h);
        node.children.push_back(std::move(measured));
    }
    // However many children, the sum stays a size an int holds (they then overflow the cluster).
    const int sum = int(std::min<qint64>(along, kLargestPixels));
    int width = (node.vertical ? across : sum) + node.padding.left() + node.padding.right();
    const int height = (node.vertical ? sum : across) + node.padding.top() + node.padding.bottom();
    width = std::max(width, node.labelWidth + node.padding.left() + node.padding.right());
    if (dialog) {
        const QString title = tile.value(u"label");
        if (!title.isEmpty())
            width = std::max(width, m_font.measure(title) + px(kMetrics.titleRoom));
    }
    node.least = {width, height};
}

// Alignment across the cluster's axis: the child's own, then the cluster's children_alignment,
// then the default (left in a column, centred in a row). A word that does not apply in that
// direction counts as not written.
Align alignmentOf(const Tile &child, const Tile &cluster, bool vertical)
{
    auto read = [&](const QString &word, bool *known) {
        *known = true;
        if (word == QLatin1String("centered"))
            return Align::Center;
        if (word == QLatin1String(vertical ? "left" : "top"))
            return Align::Start;
        if (word == QLatin1String(vertical ? "right" : "bottom"))
            return Align::End;
        *known = false;
        return Align::Start;
    };
    bool known = false;
    Align align = read(child.value(u"alignment"), &known);
    if (known)
        return align;
    align = read(cluster.value(u"children_alignment"), &known);
    if (known)
        return align;
    return vertical ? Align::Start : Align::Center;
}

int alignedStart(Align align, int start, int room, int size)
{
    switch (align) {
    case Align::Start:
        return start;
    case Align::Center:
        return start + (room - size) / 2;
    case Align::End:
        return start + room - size;
    }
    return start;
}

void Engine::place(const Node &node, const QRect &rect, PlacedTile &out) const
{
    out.tile = node.tile;
    out.rect = rect;
    if (node.boxWidth >= 0) {
        const int box = std::min(node.boxWidth, rect.width());
        out.field = QRect(rect.right() + 1 - box, rect.top(), box, rect.height());
    } else if (node.tile->primitive == QLatin1String("edit_box") ||
               node.tile->primitive == QLatin1String("popup_list")) {
        const int label = node.labelWidth ? node.labelWidth + px(kMetrics.fieldGap) : 0;
        out.field = rect.adjusted(std::min(label, rect.width()), 0, 0, 0);
    } else if (node.tile->primitive == QLatin1String("list_box")) {
        out.field = rect.adjusted(0, std::min(node.labelHeight, rect.height()), 0, 0);
    }
    if (node.children.empty())
        return;

    const QRect inner = rect.marginsRemoved(node.padding);
    const bool vertical = node.vertical;
    const int room = vertical ? inner.height() : inner.width();
    const int cross = vertical ? inner.width() : inner.height();
    const std::size_t count = node.children.size();

    // Sizes along the axis: the least, then extra space to the spacer_0s when there are any,
    // else shared evenly by the children not fixed along the axis.
    std::vector<int> sizes(count);
    qint64 used = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Node &child = node.children[i];
        sizes[i] = vertical ? child.least.height() : child.least.width();
        used += sizes[i] + 2 * (vertical ? child.marginY : child.marginX);
    }
    const int extra = int(std::max<qint64>(0, room - used));
    std::vector<std::size_t> takers;
    for (std::size_t i = 0; i < count; ++i) {
        const Node &child = node.children[i];
        if (child.tile->kind == QLatin1String("spacer_0") &&
            !(vertical ? child.fixedH : child.fixedW))
            takers.push_back(i);
    }
    if (takers.empty())
        for (std::size_t i = 0; i < count; ++i) {
            const Node &child = node.children[i];
            if (!(vertical ? child.fixedH : child.fixedW))
                takers.push_back(i);
        }
    std::vector<int> gaps(count + 1, 0); // before each child, and after the last
    if (!takers.empty()) {
        const int share = extra / int(takers.size());
        int rest = extra % int(takers.size());
        for (std::size_t i : takers)
            sizes[i] += share + (rest-- > 0 ? 1 : 0);
    } else if (count == 1) {
        // A lone fixed child is both first and last: it sits in the middle.
        gaps[0] = extra / 2;
    } else {
        // First child flush with the start, last with the end, the others spread evenly.
        const int between = int(count) - 1;
        for (int i = 1; i <= between; ++i)
            gaps[i] = extra / between + (i <= extra % between ? 1 : 0);
    }

    out.children.resize(count);
    int position = vertical ? inner.top() : inner.left();
    for (std::size_t i = 0; i < count; ++i) {
        const Node &child = node.children[i];
        position += gaps[i];
        const int marginAlong = vertical ? child.marginY : child.marginX;
        const int marginAcross = vertical ? child.marginX : child.marginY;
        const int start = position + marginAlong;
        position = start + sizes[i] + marginAlong;

        const int crossRoom = std::max(0, cross - 2 * marginAcross);
        const bool fixedAcross = vertical ? child.fixedW : child.fixedH;
        const int least = vertical ? child.least.width() : child.least.height();
        const int size = fixedAcross ? std::min(least, crossRoom) : crossRoom;
        const int crossStart = (vertical ? inner.left() : inner.top()) + marginAcross;
        const int at = alignedStart(alignmentOf(*child.tile, *node.tile, vertical), crossStart,
                                    crossRoom, size);
        const QRect childRect =
            vertical ? QRect(at, start, size, sizes[i]) : QRect(start, at, sizes[i], size);
        place(child, childRect, out.children[i]);
    }
}

void appendEscaped(QByteArray &json, const QString &text)
{
    json += '"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            json += '\\';
            json += char(u);
        } else if (u == '\n') {
            json += "\\n";
        } else if (u == '\t') {
            json += "\\t";
        } else if (u < 0x20) {
            json += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')).toLatin1();
        } else {
            json += QString(c).toUtf8();
        }
    }
    json += '"';
}

void appendTile(QByteArray &json, const PlacedTile &placed, int depth, const DialogLayout *root)
{
    const QByteArray indent(2 * depth + 2, ' ');
    json += "{\n";
    auto field = [&](const char *name) {
        json += indent;
        json += '"';
        json += name;
        json += "\": ";
    };
    if (root) {
        field("name");
        appendEscaped(json, root->name);
        json += ",\n";
    }
    field("kind");
    appendEscaped(json, placed.tile->kind);
    json += ",\n";
    for (const char *name : {"key", "label"}) {
        const Attribute *attribute = placed.tile->attribute(QString::fromLatin1(name));
        if (!attribute)
            continue;
        field(name);
        appendEscaped(json, attribute->value.text);
        json += ",\n";
    }
    const QRect &r = placed.rect;
    field("x");
    json += QByteArray::number(r.x()) + ",\n";
    field("y");
    json += QByteArray::number(r.y()) + ",\n";
    field("width");
    json += QByteArray::number(r.width()) + ",\n";
    field("height");
    json += QByteArray::number(r.height()) + ",\n";
    if (root) {
        field("unit");
        json += "{\"width\": " + QByteArray::number(root->unit.width()) +
                ", \"height\": " + QByteArray::number(root->unit.height()) + "},\n";
    }
    field("children");
    if (placed.children.empty()) {
        json += "[]\n";
    } else {
        json += "[\n";
        for (std::size_t i = 0; i < placed.children.size(); ++i) {
            json += indent + "  ";
            appendTile(json, placed.children[i], depth + 2, nullptr);
            json += i + 1 < placed.children.size() ? ",\n" : "\n";
        }
        json += indent + "]\n";
    }
    json += QByteArray(2 * depth, ' ') + "}";
}

} // namespace

int LayoutFont::measure(QStringView text, bool bold) const
{
    if (textWidth)
        return textWidth(text, bold);
    return unitWidth * int(text.size());
}

QString displayLabel(const QString &label)
{
    QString shown;
    shown.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] != u'&')
            shown += label[i];
        else if (i + 1 < label.size() && label[i + 1] == u'&')
            shown += label[++i];
    }
    return shown;
}

DialogLayout layoutDialog(const Tile &dialog, const LayoutFont &font)
{
    LayoutFont safe = font;
    safe.unitWidth = std::max(1, font.unitWidth);
    safe.unitHeight = std::max(1, font.unitHeight);
    const Engine engine(safe);
    const Node root = engine.measure(dialog, nullptr);
    DialogLayout layout;
    layout.name = dialog.name;
    layout.unit = {safe.unitWidth, safe.unitHeight};
    layout.client = root.least;
    engine.place(root, QRect(QPoint(0, 0), root.least), layout.root);
    return layout;
}

QByteArray layoutToJson(const DialogLayout &layout)
{
    QByteArray json;
    appendTile(json, layout.root, 0, &layout);
    json += '\n';
    return json;
}

} // namespace tw::dcl
