#include "app/Glyphs.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>

namespace tw
{
namespace
{

QColor mix(const QColor &a, const QColor &b, qreal towardB)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * towardB,
                            a.greenF() + (b.greenF() - a.greenF()) * towardB,
                            a.blueF() + (b.blueF() - a.blueF()) * towardB);
}

// Lines and frames take the palette's text colours so they read on light and
// dark themes alike; only the pictures' own objects (sky, folder, floppy) keep
// fixed hues.
struct Colours {
    explicit Colours(const QPalette &p)
        : ink(p.color(QPalette::Active, QPalette::WindowText)),
          window(p.color(QPalette::Active, QPalette::Window)), soft(mix(ink, window, 0.45)),
          field(p.color(QPalette::Active, QPalette::Base)),
          fieldInk(p.color(QPalette::Active, QPalette::Text)),
          face(p.color(QPalette::Active, QPalette::Button)),
          faceInk(p.color(QPalette::Active, QPalette::ButtonText)),
          accent(p.color(QPalette::Active, QPalette::Highlight)),
          accentInk(p.color(QPalette::Active, QPalette::HighlightedText)),
          fieldSoft(mix(fieldInk, field, 0.45))
    {
    }
    QColor ink, window, soft, field, fieldInk, face, faceInk, accent, accentInk, fieldSoft;
    QColor sky{0x9f, 0xd0, 0xf5};
    QColor hill{0x3f, 0x9b, 0x3f};
    QColor sun{0xf2, 0xc2, 0x30};
    QColor red{0xd2, 0x40, 0x3a};
    QColor green{0x2f, 0x9a, 0x3f};
    QColor blue{0x3a, 0x78, 0xd8};
    QColor floppy{0x3b, 0x6f, 0xc9};
    QColor metal{0xd4, 0xd8, 0xdc};
    QColor label{0xff, 0xff, 0xff};
    QColor labelInk{0x70, 0x70, 0x70};
    QColor folder{0xe0, 0xa8, 0x38};
    QColor folderFront{0xf6, 0xd2, 0x7a};
    QColor board{0xb9, 0x83, 0x45};
    QColor bolt{0xf5, 0xa6, 0x23};
    QColor boltEdge{0xa0, 0x5a, 0x00};
    QColor door{0xc5, 0x8b, 0x4a};
};

// A tiny pixel font: rows of '#' for set pixels.
struct Letter {
    char c;
    std::initializer_list<const char *> rows;
};

const Letter kLetters[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {'b', {"#..", "#..", "###", "#.#", "###"}},
    {'c', {"...", "...", "###", "#..", "###"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},
    {'(', {"..#", ".#.", "#..", "#..", "#..", "#..", "#..", ".#.", "..#"}},
    {')', {"#..", ".#.", "..#", "..#", "..#", "..#", "..#", ".#.", "#.."}},
    {'{', {".##", ".#.", ".#.", ".#.", "#..", ".#.", ".#.", ".#.", ".##"}},
    {'}', {"##.", ".#.", ".#.", ".#.", "..#", ".#.", ".#.", ".#.", "##."}},
    {'?', {".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##.."}},
};

// Drawing on the 16-unit grid: (x, y) names the pixel whose top left corner
// is there, so fills cover whole pixels and outlines run through pixel centres.
struct Canvas {
    Canvas(QPainter &painter, const Colours &colours) : p(painter), c(colours) {}

    QPainter &p;
    const Colours &c;

    void fill(int x, int y, int w, int h, const QColor &colour) { p.fillRect(x, y, w, h, colour); }
    void pixel(int x, int y, const QColor &colour) { fill(x, y, 1, 1, colour); }
    void hline(int x1, int x2, int y, const QColor &colour) { fill(x1, y, x2 - x1 + 1, 1, colour); }
    void vline(int x, int y1, int y2, const QColor &colour) { fill(x, y1, 1, y2 - y1 + 1, colour); }
    void frame(int x, int y, int w, int h, const QColor &colour)
    {
        hline(x, x + w - 1, y, colour);
        hline(x, x + w - 1, y + h - 1, colour);
        vline(x, y, y + h - 1, colour);
        vline(x + w - 1, y, y + h - 1, colour);
    }
    void box(int x, int y, int w, int h, const QColor &line, const QColor &inside)
    {
        fill(x, y, w, h, inside);
        frame(x, y, w, h, line);
    }
    // Every other pixel of a frame: a container that shows no border of its own.
    void dotted(int x, int y, int w, int h, const QColor &colour)
    {
        for (int i = 0; i < w; i += 2) {
            pixel(x + i, y, colour);
            pixel(x + i, y + h - 1, colour);
        }
        for (int i = 0; i < h; i += 2) {
            pixel(x, y + i, colour);
            pixel(x + w - 1, y + i, colour);
        }
    }
    // Pixel by pixel, so straight and diagonal lines stay sharp.
    void line(int x1, int y1, int x2, int y2, const QColor &colour)
    {
        const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i <= steps; ++i) {
            const double t = steps ? double(i) / steps : 0.0;
            pixel(int(std::lround(x1 + (x2 - x1) * t)), int(std::lround(y1 + (y2 - y1) * t)),
                  colour);
        }
    }
    void ellipse(int x, int y, int w, int h, const QColor &line, const QColor &inside)
    {
        p.setPen(line.isValid() ? QPen(line, 1) : QPen(Qt::NoPen));
        p.setBrush(inside.isValid() ? QBrush(inside) : QBrush(Qt::NoBrush));
        if (line.isValid())
            p.drawEllipse(QRectF(x + 0.5, y + 0.5, w - 1, h - 1));
        else
            p.drawEllipse(QRectF(x, y, w, h));
    }
    void roundBox(int x, int y, int w, int h, qreal radius, const QColor &line,
                  const QColor &inside)
    {
        p.setPen(QPen(line, 1));
        p.setBrush(inside);
        p.drawRoundedRect(QRectF(x + 0.5, y + 0.5, w - 1, h - 1), radius, radius);
    }
    // Corners at pixel centres.
    void polygon(std::initializer_list<QPointF> points, const QColor &line, const QColor &inside)
    {
        QPolygonF shape;
        for (const QPointF &point : points)
            shape << point + QPointF(0.5, 0.5);
        p.setPen(line.isValid() ? QPen(line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                                : QPen(Qt::NoPen));
        p.setBrush(inside);
        p.drawPolygon(shape);
    }
    // Rows of pixels: '#' in `line`, 'w' in `inside`, anything else left clear.
    void bitmap(int x, int y, std::initializer_list<const char *> rows, const QColor &line,
                const QColor &inside = QColor())
    {
        for (const char *bits : rows) {
            for (int i = 0; bits[i]; ++i)
                if (bits[i] == '#')
                    pixel(x + i, y, line);
                else if (bits[i] == 'w')
                    pixel(x + i, y, inside);
            ++y;
        }
    }
    void text(int x, int y, const char *letters, const QColor &colour)
    {
        for (; *letters; ++letters)
            for (const Letter &letter : kLetters)
                if (letter.c == *letters) {
                    bitmap(x, y, letter.rows, colour);
                    x += int(std::strlen(*letter.rows.begin())) + 1;
                }
    }
    // A sheet of paper with its top right corner folded down.
    void page(int x, int y, int w, int h, int fold)
    {
        const int right = x + w - 1;
        const int bottom = y + h - 1;
        for (int row = y + 1; row < bottom; ++row)
            hline(x + 1, row - y < fold ? right - fold + (row - y) - 1 : right - 1, row, c.field);
        hline(x, right - fold, y, c.ink);
        vline(x, y, bottom, c.ink);
        hline(x, right, bottom, c.ink);
        vline(right, y + fold, bottom, c.ink);
        line(right - fold, y, right, y + fold, c.ink);
        vline(right - fold, y, y + fold, c.ink);
        hline(right - fold, right, y + fold, c.ink);
    }
    void picture(int x, int y, int w, int h)
    {
        fill(x, y, w, h, c.sky);
        p.save();
        p.setClipRect(x, y, w, h);
        const int sunSize = w > 9 ? 4 : 2;
        ellipse(x + w - sunSize - 1, y + 1, sunSize, sunSize, QColor(), c.sun);
        const qreal b = y + h;
        polygon({{qreal(x - 1), b},
                 {x + w * 0.3, y + h * 0.4},
                 {x + w * 0.55, y + h * 0.7},
                 {x + w * 0.72, y + h * 0.5},
                 {qreal(x + w), b}},
                c.hill, c.hill);
        p.restore();
    }
    void floppy(const QColor &labelMark)
    {
        box(1, 1, 14, 14, c.ink, c.floppy);
        box(4, 1, 7, 5, c.ink, c.metal);
        fill(8, 2, 2, 3, c.ink);
        box(3, 8, 10, 7, c.ink, c.label);
        hline(5, 10, 10, labelMark);
        hline(5, 10, 12, c.labelInk);
    }
    void folder(bool withPage)
    {
        polygon({{0, 2}, {5, 2}, {6, 3}, {13, 3}, {13, 13}, {0, 13}}, c.ink, c.folder);
        if (withPage) {
            box(4, 0, 8, 9, c.ink, c.field);
            hline(6, 9, 3, c.fieldSoft);
            hline(6, 9, 5, c.fieldSoft);
        }
        polygon({{3, 7}, {15, 7}, {13, 13}, {0, 13}}, c.ink, c.folderFront);
    }
    // Two children side by side or stacked, inside a container's frame.
    void children(bool stacked)
    {
        if (stacked) {
            box(3, 6, 10, 3, c.soft, c.face);
            box(3, 10, 10, 3, c.soft, c.face);
        } else {
            box(2, 6, 5, 6, c.soft, c.face);
            box(9, 6, 5, 6, c.soft, c.face);
        }
    }
    void boxedFrame()
    {
        hline(0, 1, 3, c.ink);
        hline(8, 15, 3, c.ink);
        vline(0, 3, 14, c.ink);
        vline(15, 3, 14, c.ink);
        hline(0, 15, 14, c.ink);
        fill(3, 2, 4, 2, c.ink);
    }
    void undoArrow()
    {
        QPainterPath path;
        path.moveTo(6, 6);
        path.lineTo(10, 6);
        path.arcTo(QRectF(6, 6, 8, 7), 90, -180);
        path.lineTo(5, 13);
        p.setPen(QPen(c.ink, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(c.ink);
        p.drawPolygon(QPolygonF({{1, 6}, {6, 1.5}, {6, 10.5}}));
    }
};

void draw(TGlyph glyph, Canvas &g)
{
    const Colours &c = g.c;
    switch (glyph) {
    case TGlyph::SelectArrow:
        g.bitmap(3, 0,
                 {"#", "##", "#w#", "#ww#", "#www#", "#wwww#", "#wwwww#", "#wwwwww#", "#wwwwwww#",
                  "#wwww####", "#ww#ww#", "#w# #ww#", "##  #ww#", "#    #ww#", "     #ww#",
                  "      ##"},
                 c.ink, c.field);
        break;
    case TGlyph::Button:
        g.hline(1, 15, 12, c.soft);
        g.vline(15, 4, 12, c.soft);
        g.roundBox(0, 3, 15, 9, 1.5, c.ink, c.face);
        g.text(4, 5, "OK", c.faceInk);
        break;
    case TGlyph::Text:
        g.text(1, 1, "Abc", c.ink);
        g.hline(1, 14, 8, c.soft);
        g.hline(1, 14, 11, c.soft);
        g.hline(1, 9, 14, c.soft);
        break;
    case TGlyph::EditBox:
        g.fill(0, 7, 3, 2, c.soft);
        g.box(4, 3, 12, 10, c.ink, c.field);
        g.fill(6, 7, 4, 2, c.fieldSoft);
        g.vline(11, 5, 10, c.fieldInk);
        break;
    case TGlyph::Spacer:
        g.vline(1, 3, 12, c.ink);
        g.vline(14, 3, 12, c.ink);
        g.hline(3, 12, 7, c.ink);
        g.line(3, 7, 5, 5, c.ink);
        g.line(3, 7, 5, 9, c.ink);
        g.line(12, 7, 10, 5, c.ink);
        g.line(12, 7, 10, 9, c.ink);
        break;
    case TGlyph::Toggle:
        g.box(2, 2, 12, 12, c.ink, c.field);
        for (int dy : {0, 1}) {
            g.line(4, 7 + dy, 6, 9 + dy, c.fieldInk);
            g.line(6, 9 + dy, 11, 4 + dy, c.fieldInk);
        }
        break;
    case TGlyph::RadioButton:
        g.ellipse(2, 2, 12, 12, c.ink, c.field);
        g.ellipse(5, 5, 6, 6, QColor(), c.fieldInk);
        break;
    case TGlyph::Slider:
        g.box(0, 7, 16, 3, c.soft, c.field);
        g.hline(1, 8, 8, c.accent);
        g.box(9, 3, 4, 10, c.ink, c.face);
        for (int x : {0, 5, 10, 15})
            g.vline(x, 14, 15, c.soft);
        break;
    case TGlyph::ImageButton:
        g.hline(1, 15, 15, c.soft);
        g.vline(15, 1, 15, c.soft);
        g.roundBox(0, 0, 15, 15, 1.5, c.ink, c.face);
        g.picture(3, 3, 9, 9);
        break;
    case TGlyph::Image:
        g.frame(0, 1, 16, 14, c.ink);
        g.picture(1, 2, 14, 12);
        break;
    case TGlyph::PopupList:
        g.box(0, 3, 16, 10, c.ink, c.field);
        g.fill(2, 7, 4, 2, c.fieldSoft);
        g.box(7, 3, 9, 10, c.ink, c.face);
        g.hline(9, 13, 7, c.faceInk);
        g.hline(10, 12, 8, c.faceInk);
        g.pixel(11, 9, c.faceInk);
        break;
    case TGlyph::ListBox:
        g.box(0, 1, 16, 14, c.ink, c.field);
        g.vline(11, 1, 14, c.ink);
        g.fill(12, 2, 3, 12, c.face);
        g.fill(12, 4, 3, 4, c.soft);
        g.hline(2, 8, 3, c.fieldSoft);
        g.fill(1, 5, 10, 3, c.accent);
        g.hline(2, 8, 6, c.accentInk);
        g.hline(2, 9, 9, c.fieldSoft);
        g.hline(2, 7, 12, c.fieldSoft);
        break;
    case TGlyph::BoxedRow:
        g.boxedFrame();
        g.children(false);
        break;
    case TGlyph::BoxedColumn:
        g.boxedFrame();
        g.children(true);
        break;
    case TGlyph::Row:
        g.dotted(0, 3, 16, 12, c.ink);
        g.children(false);
        break;
    case TGlyph::Column:
        g.dotted(0, 3, 16, 12, c.ink);
        g.children(true);
        break;
    case TGlyph::NewProject:
        g.page(2, 0, 11, 16, 3);
        g.fill(9, 11, 7, 4, c.window);
        g.fill(11, 9, 4, 7, c.window);
        g.fill(10, 12, 6, 2, c.green);
        g.fill(12, 10, 2, 6, c.green);
        break;
    case TGlyph::OpenProject:
        g.folder(false);
        break;
    case TGlyph::SaveProject:
        g.floppy(c.labelInk);
        break;
    case TGlyph::SaveDialog:
        g.floppy(c.accent);
        g.hline(5, 10, 9, c.accent);
        break;
    case TGlyph::NewLispFile:
        g.page(2, 0, 12, 16, 3);
        g.text(4, 4, "(", c.green);
        g.text(9, 4, ")", c.green);
        break;
    case TGlyph::NewDclFile:
        g.page(2, 0, 12, 16, 3);
        g.text(4, 4, "{", c.blue);
        g.text(9, 4, "}", c.blue);
        break;
    case TGlyph::OpenSourceFile:
        g.folder(true);
        break;
    case TGlyph::Copy:
        g.box(1, 1, 9, 11, c.ink, c.field);
        g.hline(3, 7, 3, c.fieldSoft);
        g.box(6, 4, 9, 12, c.ink, c.field);
        for (int y : {7, 9, 11})
            g.hline(8, 12, y, c.fieldSoft);
        g.hline(8, 11, 13, c.fieldSoft);
        break;
    case TGlyph::Cut:
        g.line(5, 0, 11, 9, c.ink);
        g.line(10, 0, 4, 9, c.ink);
        g.ellipse(1, 9, 6, 6, c.red, QColor());
        g.ellipse(2, 10, 4, 4, c.red, QColor());
        g.ellipse(9, 9, 6, 6, c.red, QColor());
        g.ellipse(10, 10, 4, 4, c.red, QColor());
        break;
    case TGlyph::Paste:
        g.box(1, 2, 11, 13, c.ink, c.board);
        g.box(4, 1, 5, 3, c.ink, c.metal);
        g.box(7, 6, 9, 10, c.ink, c.field);
        for (int y : {9, 11})
            g.hline(9, 13, y, c.fieldSoft);
        g.hline(9, 12, 13, c.fieldSoft);
        break;
    case TGlyph::Undo:
        g.undoArrow();
        break;
    case TGlyph::Redo:
        g.p.translate(16, 0);
        g.p.scale(-1, 1);
        g.undoArrow();
        break;
    case TGlyph::GenerateCode:
        g.page(0, 0, 11, 16, 3);
        g.hline(2, 5, 4, c.blue);
        g.hline(4, 7, 6, c.fieldSoft);
        g.hline(4, 6, 8, c.fieldSoft);
        g.hline(2, 4, 10, c.blue);
        g.hline(2, 6, 12, c.fieldSoft);
        g.polygon({{11, 0}, {15, 0}, {13, 5}, {15, 5}, {10, 15}, {11, 8}, {9, 8}}, c.boltEdge,
                  c.bolt);
        break;
    case TGlyph::CheckDesign:
        // A page of code with a tick over it.
        g.page(0, 0, 11, 16, 3);
        g.hline(2, 5, 4, c.blue);
        g.hline(2, 7, 6, c.fieldSoft);
        g.hline(2, 4, 8, c.blue);
        g.polygon({{6, 10}, {8, 8}, {10, 11}, {14, 5}, {16, 7}, {10, 15}}, c.green.darker(),
                  c.green);
        break;
    case TGlyph::NextWindow:
        g.box(0, 0, 10, 9, c.ink, c.field);
        g.fill(1, 1, 8, 2, c.soft);
        g.box(5, 5, 11, 11, c.ink, c.field);
        g.fill(6, 6, 9, 2, c.accent);
        g.hline(7, 13, 11, c.fieldInk);
        g.line(13, 11, 11, 9, c.fieldInk);
        g.line(13, 11, 11, 13, c.fieldInk);
        break;
    case TGlyph::QuickHelp:
        g.ellipse(0, 0, 16, 16, QColor(), c.accent);
        g.text(5, 4, "?", c.accentInk);
        break;
    case TGlyph::Exit:
        g.box(2, 1, 8, 14, c.ink, c.door);
        g.pixel(7, 8, c.ink);
        g.fill(7, 7, 5, 2, c.red);
        g.vline(12, 5, 10, c.red);
        g.vline(13, 6, 9, c.red);
        g.vline(14, 7, 8, c.red);
        break;
    case TGlyph::DesignMode:
        g.box(0, 1, 16, 14, c.ink, c.field);
        g.fill(1, 2, 14, 2, c.accent);
        g.box(4, 7, 8, 5, c.soft, c.face);
        for (const QPoint handle : {QPoint(3, 6), QPoint(11, 6), QPoint(3, 11), QPoint(11, 11)})
            g.fill(handle.x(), handle.y(), 2, 2, c.ink);
        break;
    case TGlyph::MoreRight:
        g.bitmap(4, 5, {"##..##..", ".##..##.", "..##..##", ".##..##.", "##..##.."}, c.ink);
        break;
    case TGlyph::MoreLeft:
        g.bitmap(4, 5, {"..##..##", ".##..##.", "##..##..", ".##..##.", "..##..##"}, c.ink);
        break;
    case TGlyph::MoreDown:
        g.bitmap(5, 4, {"#...#", "##.##", ".###.", "..#..", "#...#", "##.##", ".###.", "..#.."},
                 c.ink);
        break;
    }
}

// Grey, and halfway to the window colour, yet with every line still in place.
void fade(QImage &image, const QColor &window)
{
    const int windowGrey = qGray(window.rgb());
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = (qGray(line[x]) + windowGrey) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
}

class TGlyphEngine : public QIconEngine
{
public:
    explicit TGlyphEngine(TGlyph glyph) : m_glyph(glyph) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pixmap = QPixmap::fromImage(
            renderGlyph(m_glyph, rect.size() * ratio, QGuiApplication::palette(), mode));
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), pixmap);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return QPixmap::fromImage(renderGlyph(m_glyph, size, QGuiApplication::palette(), mode));
    }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32)};
    }
    QIconEngine *clone() const override { return new TGlyphEngine(m_glyph); }
    QString key() const override { return QStringLiteral("TGlyphEngine"); }

private:
    TGlyph m_glyph;
};

} // namespace

QIcon glyphIcon(TGlyph glyph)
{
    return QIcon(new TGlyphEngine(glyph));
}

QImage renderGlyph(TGlyph glyph, const QSize &size, const QPalette &palette, QIcon::Mode mode)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const int side = std::min(size.width(), size.height());
    if (side <= 0)
        return image;
    const qreal unit = side >= 16 ? qreal(side / 16) : side / 16.0;
    const Colours colours(palette);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(std::floor((size.width() - 16 * unit) / 2),
                          std::floor((size.height() - 16 * unit) / 2));
        painter.scale(unit, unit);
        Canvas canvas(painter, colours);
        draw(glyph, canvas);
    }
    if (mode == QIcon::Disabled)
        fade(image, colours.window);
    return image;
}

QImage renderLogo(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.scale(side / 64.0, side / 64.0);
    painter.fillRect(0, 0, 64, 64, QColor(0x1d, 0x4e, 0x89));
    const QColor orange(0xf2, 0xb1, 0x34);
    painter.fillRect(8, 8, 21, 21, orange);
    painter.fillRect(36, 8, 21, 21, orange);
    painter.fillRect(8, 36, 21, 21, orange);
    painter.fillRect(36, 36, 21, 21, Qt::white);
    return image;
}

} // namespace tw
