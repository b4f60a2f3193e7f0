#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace tw
{

class TMultiShape;

// A transparent widget laid over the whole stage on which drag outlines are
// painted. It takes no mouse input; erasing an outline repaints what lies
// beneath, so nothing is ever left behind.
class TOutlineOverlay : public QWidget
{
    Q_OBJECT

public:
    explicit TOutlineOverlay(QWidget *stage);

    struct Item {
        QRect rect;
        int color = 0;
        int penWidth = 1;
        Qt::PenStyle style = Qt::SolidLine;
    };
    // Every outline rectangle currently shown, in stage coordinates.
    QList<Item> items() const;

    void attach(TMultiShape *shape);
    void detach(TMultiShape *shape);
    void shapeChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<TMultiShape *> m_shapes;
};

// One rectangle of an outline group: an offset from the group's origin, a
// size and whether it is shown.
struct TFundamentalShape {
    enum State { NotDrawn, Drawn, Finished };
    QPoint offset;
    int width = 0;
    int height = 0;
    State state = NotDrawn;
    QRect shown;
};

// A group of outline rectangles drawn at a common origin (stage
// coordinates): moving the origin moves them all; finishing erases them.
class TMultiShape
{
public:
    TMultiShape(TOutlineOverlay *overlay, QPoint origin, int color = 8421504, int penWidth = 2,
                Qt::PenStyle style = Qt::SolidLine);
    ~TMultiShape();
    TMultiShape(const TMultiShape &) = delete;
    TMultiShape &operator=(const TMultiShape &) = delete;

    QPoint origin() const { return m_origin; }
    int color() const { return m_color; }
    int penWidth() const { return m_penWidth; }
    Qt::PenStyle style() const { return m_style; }
    const QList<TFundamentalShape> &shapes() const { return m_shapes; }

    // Adds a rectangle given in stage coordinates.
    void addRect(const QRect &stageRect);
    // Starts a single rectangle of size 0 at the origin.
    void startSingle();
    void setSingleWidth(int width);
    void setSingleHeight(int height);
    // Replaces the single rectangle, given relative to the origin.
    void setSingleRect(const QRect &relative);
    void drawAt(QPoint origin);
    void finish();

private:
    QPointer<TOutlineOverlay> m_overlay;
    QPoint m_origin;
    int m_color;
    int m_penWidth;
    Qt::PenStyle m_style;
    QList<TFundamentalShape> m_shapes;
};

} // namespace tw
