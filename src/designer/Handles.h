#pragma once

#include "designer/DsnTypes.h"
#include "designer/Outline.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

namespace tw
{

class THandlerRect;
class TMultiHandler;

// What the controller gives its handles: size, snap steps, colours and the
// resize outline.
struct THandleSettings {
    // The four corners, or with 8 the middles of the edges as well.
    int handles = 4;
    int size = 6;
    int snapWidth = 8;
    int snapHeight = 8;
    int activeColor = 0;
    int inactiveColor = dsn::kGray;
    int outlineColor = dsn::kGray;
    int outlineWidth = 2;
};

// One grab handle: a small solid square beside a selected control, a child
// of the control's parent, at one of eight spots around it. While it shows
// the active colour, dragging it asks for the control to be resized on the
// snap grid; a drag past the opposite edge puts the control on the other
// side with a positive size.
class TSmallRect : public QWidget
{
    Q_OBJECT

public:
    // The corners first, then the middles of the edges.
    enum Spot { TopLeft, TopRight, BottomRight, BottomLeft, Top, Bottom, Right, Left };
    static constexpr int kSpots = 8;

    TSmallRect(THandlerRect *set, Spot spot);

    Spot spot() const { return m_spot; }
    THandlerRect *handlerSet() const { return m_set; }
    // Hands the handle to another set, or to none while it waits hidden for
    // reuse; a drag in progress is dropped.
    void attach(THandlerRect *set);
    TControl *control() const;
    int color() const { return m_color; }
    void setColor(int color);
    bool isActive() const;
    Qt::CursorShape activeCursor() const;

    void place();
    // The control's bounds after this handle moved by (dx, dy).
    QRect resizedBounds(const QRect &b, int dx, int dy) const;
    bool isDragging() const { return m_outline != nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint snappedInside(QPoint pos) const;

    THandlerRect *m_set;
    Spot m_spot;
    int m_color = -1; // none yet
    QPoint m_press;
    std::unique_ptr<TMultiShape> m_outline;
};

// Handles of freed sets wait hidden in their parent for the next set made
// there. Making or freeing a child widget costs a scan of its parent's
// children, so selecting thousands of controls would otherwise grow
// quadratically. The pool also watches each parent that holds handles: a
// widget that joins it later is stacked above them, so the hidden ones are
// freed then and the parent's stacking count goes up.
class THandlePool : public QObject
{
    Q_OBJECT

public:
    ~THandlePool() override;

    // A hidden handle for `spot` waiting in `parent`, or nullptr.
    TSmallRect *take(QWidget *parent, TSmallRect::Spot spot);
    // Hides the handle and keeps it for the next set in its parent, unless
    // a widget joined the parent since `stacking` was read; then it is freed.
    void shelve(TSmallRect *handle, int stacking);
    // How many widgets have joined `parent` since the pool began watching
    // it; handles made at a lower count may lie under one of them.
    int stacking(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Handles = QList<QPointer<TSmallRect>>;
    struct Watched {
        // Entries of a parent that died unseen (handles shelved while it
        // was freeing its children) are recognised by this going null.
        QPointer<QObject> parent;
        int stacking = 0;
        std::array<Handles, TSmallRect::kSpots> hidden; // by spot
    };
    Watched &watch(QWidget *parent);
    static void freeHidden(Watched &watched);

    QHash<QObject *, Watched> m_watched;
};

// The handles of one selected control, and its bounds recorded when a
// resize starts. Its handles go back to the manager's pool with it, unless
// the control's parent freed them first.
class THandlerRect
{
public:
    THandlerRect(TMultiHandler *manager, TControl *control);
    ~THandlerRect();
    THandlerRect(const THandlerRect &) = delete;
    THandlerRect &operator=(const THandlerRect &) = delete;

    TMultiHandler *manager() const { return m_manager; }
    TControl *control() const { return m_control; }
    const QObject *controlAddress() const { return m_address; }
    void forgetControl();

    // Makes the handles, in the active or inactive colour, and places them.
    void build(bool active);
    // Whether the handles are all still in the control's parent, on top.
    bool isIntact() const;
    // Takes over the intact handles of a freed set whose control shares
    // this control's parent, and places them here.
    bool takeHandlesOf(THandlerRect *other, bool active);
    void freeHandles();
    void setActive(bool active);
    bool isActive() const { return m_active; }
    void place();
    QRect recorded() const { return m_recorded; }
    void record();
    QList<TSmallRect *> handles() const;

private:
    TMultiHandler *m_manager;
    QPointer<TControl> m_control;
    const QObject *m_address;
    QList<QPointer<TSmallRect>> m_handles;
    int m_stacking = 0;
    QRect m_recorded;
    bool m_active = true;
};

// Keeps one handle set per selected control, as a receiver of the
// selection: active (black) while one control is selected, inactive (gray)
// for all when several are. A handle dragged and let go asks for its
// control's new bounds; the receiver of the request applies them.
class TMultiHandler : public QObject, public TSelectionReceiver
{
    Q_OBJECT

public:
    TMultiHandler(const THandleSettings &settings, TOutlineOverlay *overlay,
                  QObject *parent = nullptr);
    ~TMultiHandler() override;

    const THandleSettings &settings() const { return m_settings; }
    TOutlineOverlay *overlay() const { return m_overlay; }
    const QList<THandlerRect *> &sets() const { return m_sets; }
    THandlerRect *setFor(const TControl *control) const;
    // Moves the handles of `control` to its current bounds.
    void follow(const TControl *control);
    THandlePool &pool() { return m_pool; }

    void selectionEntryNil(int index, const QObject *gone) override;
    void selectionAdded(TControl *control) override;
    void selectionCleared() override;
    void selectionDeleted(int index, TControl *control) override;
    void selectionUpdated() override;

signals:
    void resizeRequested(TControl *control, const QRect &bounds);

private:
    // Frees the sets of the last cleared selection that were not taken back.
    void freeRetired();
    // A retired set in `parent` whose handles another set may take over.
    THandlerRect *takeRetiredIn(QWidget *parent);

    THandleSettings m_settings;
    QPointer<TOutlineOverlay> m_overlay;
    QList<THandlerRect *> m_sets;
    // The sets by the address of their control, so big selections stay linear.
    QHash<const void *, THandlerRect *> m_byControl;
    // Sets of the cleared selection, kept with their handles in place until
    // the change is complete, so a control selected again takes its set
    // back without hiding, showing or repainting anything.
    QHash<const void *, THandlerRect *> m_retired;
    QHash<QWidget *, QList<std::pair<const void *, THandlerRect *>>> m_retiredIn;
    bool m_freeRetiredQueued = false;
    THandlePool m_pool;
};

} // namespace tw
