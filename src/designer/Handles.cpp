#include "designer/Handles.h"

#include "component/Control.h"
#include "format/Idents.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace tw
{
namespace
{

QColor screenColor(int color)
{
    return QColor::fromRgb(QRgb(0xFF000000u | colorToRgb(color)));
}

QRect stageRectOf(const QWidget *widget, const QWidget *stage)
{
    return QRect(widget->mapTo(stage, QPoint(0, 0)), widget->size());
}

// Handles are named on request: a name set on each of thousands of handles
// would cost more than making them.
class TSmallRectAccessible : public QAccessibleWidget
{
public:
    explicit TSmallRectAccessible(TSmallRect *handle) : QAccessibleWidget(handle) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const TControl *target = static_cast<TSmallRect *>(widget())->control();
        return target ? QStringLiteral("Grab handle of %1").arg(target->objectName())
                      : QStringLiteral("Grab handle");
    }
};

QAccessibleInterface *smallRectAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String(TSmallRect::staticMetaObject.className()))
        return nullptr;
    auto *handle = qobject_cast<TSmallRect *>(object);
    return handle ? new TSmallRectAccessible(handle) : nullptr;
}

// Where each spot sits across and down the control (-1 at the left or top
// edge, 0 in the middle, 1 at the right or bottom edge), which is also the
// edges it drags, and its cursor while active.
constexpr struct {
    int across;
    int down;
    Qt::CursorShape cursor;
} kSpotTable[TSmallRect::kSpots] = {
    {-1, -1, Qt::SizeFDiagCursor}, // TopLeft
    {1, -1, Qt::SizeBDiagCursor},  // TopRight
    {1, 1, Qt::SizeFDiagCursor},   // BottomRight
    {-1, 1, Qt::SizeBDiagCursor},  // BottomLeft
    {0, -1, Qt::SizeVerCursor},    // Top
    {0, 1, Qt::SizeVerCursor},     // Bottom
    {1, 0, Qt::SizeHorCursor},     // Right
    {-1, 0, Qt::SizeHorCursor},    // Left
};

// The handle's offset along one axis of a control that starts at `start`
// and is `length` long, for handle size `s`: it overlaps the edge by two pixels.
int spotAlong(int side, int start, int length, int s)
{
    return side < 0 ? start - 2 : side > 0 ? start + length - s + 2 : start + length / 2 - s / 2;
}

} // namespace

TSmallRect::TSmallRect(THandlerRect *set, Spot spot) : m_set(set), m_spot(spot)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(smallRectAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
}

void TSmallRect::attach(THandlerRect *set)
{
    m_set = set;
    m_outline.reset();
    m_press = QPoint();
}

TControl *TSmallRect::control() const
{
    return m_set ? m_set->control() : nullptr;
}

void TSmallRect::setColor(int color)
{
    if (color == m_color)
        return;
    m_color = color;
    if (isActive())
        setCursor(activeCursor());
    else
        unsetCursor();
    update();
}

Qt::CursorShape TSmallRect::activeCursor() const
{
    return kSpotTable[m_spot].cursor;
}

bool TSmallRect::isActive() const
{
    return m_set && m_color == m_set->manager()->settings().activeColor;
}

void TSmallRect::place()
{
    const TControl *target = control();
    if (!target)
        return;
    const int s = m_set->manager()->settings().size;
    const QRect b = target->geometry();
    const auto &row = kSpotTable[m_spot];
    const QRect spot(spotAlong(row.across, b.x(), b.width(), s),
                     spotAlong(row.down, b.y(), b.height(), s), s, s);
    // Unchanged places are common (every set is placed again after each
    // selection change) and setGeometry does real work even then.
    if (spot != geometry())
        setGeometry(spot);
}

QRect TSmallRect::resizedBounds(const QRect &b, int dx, int dy) const
{
    const int across = kSpotTable[m_spot].across;
    const int down = kSpotTable[m_spot].down;
    int left = b.x() + (across < 0 ? dx : 0);
    int top = b.y() + (down < 0 ? dy : 0);
    int width = b.width() + across * dx;
    int height = b.height() + down * dy;
    if (width < 0) {
        left = across > 0 ? b.x() + width : b.x() + b.width();
        width = -width;
    }
    if (height < 0) {
        top = down > 0 ? b.y() + height : b.y() + b.height();
        height = -height;
    }
    return {left, top, width, height};
}

QPoint TSmallRect::snappedInside(QPoint pos) const
{
    // The pointer stays inside the control's parent while a handle is held.
    if (const QWidget *parent = parentWidget()) {
        const QPoint inParent = pos + this->pos();
        const QPoint kept(std::clamp(inParent.x(), 0, std::max(0, parent->width() - 1)),
                          std::clamp(inParent.y(), 0, std::max(0, parent->height() - 1)));
        pos = kept - this->pos();
    }
    const THandleSettings &settings = m_set->manager()->settings();
    return snapPoint(pos, settings.snapWidth, settings.snapHeight);
}

void TSmallRect::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), screenColor(m_color));
}

void TSmallRect::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    TControl *target = control();
    if (event->button() != Qt::LeftButton || !isActive() || !target || m_outline)
        return;
    m_set->record();
    m_press = snappedInside(event->position().toPoint());
    const THandleSettings &settings = m_set->manager()->settings();
    TOutlineOverlay *overlay = m_set->manager()->overlay();
    if (overlay) {
        QWidget *stage = overlay->parentWidget();
        m_outline = std::make_unique<TMultiShape>(overlay, mapTo(stage, QPoint(0, 0)),
                                                  settings.outlineColor, settings.outlineWidth);
        m_outline->addRect(stageRectOf(target, stage));
        m_outline->drawAt(m_outline->origin());
    } else {
        m_outline = std::make_unique<TMultiShape>(nullptr, QPoint());
    }
}

void TSmallRect::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    TControl *target = control();
    if (!m_outline || !target)
        return;
    const QPoint d = snappedInside(event->position().toPoint()) - m_press;
    const QRect bounds = resizedBounds(m_set->recorded(), d.x(), d.y());
    if (TOutlineOverlay *overlay = m_set->manager()->overlay()) {
        const QPoint parentOrigin =
            target->parentWidget()->mapTo(overlay->parentWidget(), QPoint(0, 0));
        m_outline->setSingleRect(bounds.translated(parentOrigin - m_outline->origin()));
        m_outline->drawAt(m_outline->origin());
    }
}

void TSmallRect::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    TControl *target = control();
    if (!m_outline)
        return;
    std::unique_ptr<TMultiShape> outline = std::move(m_outline);
    outline->finish();
    outline.reset();
    if (!target)
        return;
    const QPoint d = snappedInside(event->position().toPoint()) - m_press;
    THandlerRect *set = m_set;
    TMultiHandler *manager = set->manager();
    emit manager->resizeRequested(target, resizedBounds(set->recorded(), d.x(), d.y()));
    // The receiver may have changed the selection; only a surviving set moves.
    if (manager->sets().contains(set)) {
        set->place();
        set->record();
    }
}

THandlerRect::THandlerRect(TMultiHandler *manager, TControl *control)
    : m_manager(manager), m_control(control), m_address(control)
{
}

THandlerRect::~THandlerRect()
{
    freeHandles();
}

void THandlerRect::forgetControl()
{
    m_control = nullptr;
}

void THandlerRect::build(bool active)
{
    freeHandles();
    m_active = active;
    if (!m_control || !m_control->parentWidget())
        return;
    m_stacking = m_manager->pool().stacking(m_control->parentWidget());
    QWidget *parent = m_control->parentWidget();
    for (int spot = 0; spot < m_manager->settings().handles; ++spot) {
        TSmallRect *handle = m_manager->pool().take(parent, TSmallRect::Spot(spot));
        if (handle) {
            handle->attach(this);
        } else {
            handle = new TSmallRect(this, TSmallRect::Spot(spot));
            // Parented once complete, so whoever watches the parent sees a handle.
            handle->setParent(parent);
        }
        m_handles.append(handle);
    }
    setActive(active);
    place();
    // New handles are stacked on top, and the pool frees waiting ones that
    // a newer widget covers.
    for (const QPointer<TSmallRect> &handle : std::as_const(m_handles))
        handle->show();
}

void THandlerRect::freeHandles()
{
    for (const QPointer<TSmallRect> &handle : std::exchange(m_handles, {}))
        if (handle)
            m_manager->pool().shelve(handle, m_stacking);
}

bool THandlerRect::isIntact() const
{
    QWidget *parent = m_control ? m_control->parentWidget() : nullptr;
    if (!parent || m_handles.isEmpty() || m_manager->pool().stacking(parent) != m_stacking)
        return false;
    for (const QPointer<TSmallRect> &handle : m_handles)
        if (!handle || handle->parentWidget() != parent)
            return false;
    return true;
}

bool THandlerRect::takeHandlesOf(THandlerRect *other, bool active)
{
    if (!other || !m_control || !other->isIntact() ||
        other->m_control->parentWidget() != m_control->parentWidget())
        return false;
    freeHandles();
    m_handles = std::exchange(other->m_handles, {});
    m_stacking = other->m_stacking;
    for (const QPointer<TSmallRect> &handle : std::as_const(m_handles))
        handle->attach(this);
    setActive(active);
    place();
    return true;
}

void THandlerRect::setActive(bool active)
{
    m_active = active;
    const THandleSettings &settings = m_manager->settings();
    for (const QPointer<TSmallRect> &handle : std::as_const(m_handles))
        if (handle)
            handle->setColor(active ? settings.activeColor : settings.inactiveColor);
}

void THandlerRect::place()
{
    if (!m_control)
        return;
    for (const QPointer<TSmallRect> &handle : std::as_const(m_handles))
        if (handle)
            handle->place();
}

void THandlerRect::record()
{
    if (m_control)
        m_recorded = m_control->geometry();
}

QList<TSmallRect *> THandlerRect::handles() const
{
    QList<TSmallRect *> result;
    for (const QPointer<TSmallRect> &handle : m_handles)
        if (handle)
            result.append(handle);
    return result;
}

THandlePool::~THandlePool()
{
    for (Watched &watched : m_watched)
        freeHidden(watched);
}

TSmallRect *THandlePool::take(QWidget *parent, TSmallRect::Spot spot)
{
    const auto watched = m_watched.find(parent);
    if (watched == m_watched.end() || !watched->parent)
        return nullptr;
    Handles &hidden = watched->hidden[spot];
    while (!hidden.isEmpty())
        if (TSmallRect *handle = hidden.takeLast())
            return handle;
    return nullptr;
}

void THandlePool::shelve(TSmallRect *handle, int stacking)
{
    handle->attach(nullptr);
    QWidget *parent = handle->parentWidget();
    Watched *watched = parent ? &watch(parent) : nullptr;
    if (!watched || watched->stacking != stacking) {
        delete handle;
        return;
    }
    handle->hide();
    watched->hidden[handle->spot()].append(handle);
}

int THandlePool::stacking(QWidget *parent)
{
    return watch(parent).stacking;
}

THandlePool::Watched &THandlePool::watch(QWidget *parent)
{
    auto watched = m_watched.find(parent);
    if (watched != m_watched.end() && !watched->parent) {
        m_watched.erase(watched);
        watched = m_watched.end();
    }
    if (watched == m_watched.end()) {
        watched = m_watched.insert(parent, {QPointer<QObject>(parent), 0, {}});
        parent->installEventFilter(this);
        connect(parent, &QObject::destroyed, this,
                [this](QObject *gone) { m_watched.remove(gone); });
    }
    return *watched;
}

bool THandlePool::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        const auto watched = m_watched.find(object);
        if (watched != m_watched.end() && child->isWidgetType() &&
            !qobject_cast<TSmallRect *>(child)) {
            ++watched->stacking;
            freeHidden(*watched);
        }
    }
    return false;
}

void THandlePool::freeHidden(Watched &watched)
{
    const auto hidden = std::exchange(watched.hidden, {});
    for (const Handles &handles : hidden)
        qDeleteAll(handles);
}

TMultiHandler::TMultiHandler(const THandleSettings &settings, TOutlineOverlay *overlay,
                             QObject *parent)
    : QObject(parent), m_settings(settings), m_overlay(overlay)
{
}

TMultiHandler::~TMultiHandler()
{
    selectionCleared();
    freeRetired();
}

THandlerRect *TMultiHandler::setFor(const TControl *control) const
{
    THandlerRect *set = m_byControl.value(control);
    return set && set->control() == control ? set : nullptr;
}

void TMultiHandler::follow(const TControl *control)
{
    if (THandlerRect *set = setFor(control))
        set->place();
}

void TMultiHandler::selectionEntryNil(int, const QObject *gone)
{
    if (THandlerRect *set = m_byControl.value(gone))
        set->forgetControl();
}

void TMultiHandler::selectionAdded(TControl *control)
{
    if (!control || setFor(control))
        return;
    THandlerRect *set = m_retired.take(control);
    const bool intact = set && set->control() == control && set->isIntact();
    if (!intact) {
        delete set;
        set = new THandlerRect(this, control);
    }
    m_sets.append(set);
    m_byControl.insert(control, set);
    const bool active = m_sets.size() == 1;
    if (intact) {
        set->setActive(active);
    } else if (THandlerRect *lender = takeRetiredIn(control->parentWidget())) {
        // Handles already shown move over instead of being hidden here and
        // shown there.
        if (!set->takeHandlesOf(lender, active))
            set->build(active);
        delete lender;
    } else {
        set->build(active);
    }
    if (m_sets.size() == 2)
        m_sets.first()->setActive(false);
}

THandlerRect *TMultiHandler::takeRetiredIn(QWidget *parent)
{
    const auto retired = m_retiredIn.find(parent);
    if (retired == m_retiredIn.end())
        return nullptr;
    while (!retired->isEmpty()) {
        const auto [address, set] = retired->takeLast();
        // Sets taken back or freed since are no longer listed under their address.
        if (m_retired.value(address) == set) {
            m_retired.remove(address);
            return set;
        }
    }
    return nullptr;
}

void TMultiHandler::selectionCleared()
{
    for (THandlerRect *set : std::exchange(m_sets, {})) {
        m_retired.insert(set->controlAddress(), set);
        if (set->control())
            m_retiredIn[set->control()->parentWidget()].append({set->controlAddress(), set});
    }
    m_byControl.clear();
    // A change that never reports completion still ends with its handles gone.
    if (!m_freeRetiredQueued && !m_retired.isEmpty()) {
        m_freeRetiredQueued = true;
        QMetaObject::invokeMethod(this, &TMultiHandler::freeRetired, Qt::QueuedConnection);
    }
}

void TMultiHandler::freeRetired()
{
    m_freeRetiredQueued = false;
    m_retiredIn.clear();
    qDeleteAll(std::exchange(m_retired, {}));
}

void TMultiHandler::selectionDeleted(int, TControl *control)
{
    // A destroyed control's set was forgotten first and is found by that.
    THandlerRect *set = control ? setFor(control) : nullptr;
    if (!control)
        for (THandlerRect *each : std::as_const(m_sets))
            if (!each->control()) {
                set = each;
                break;
            }
    if (set) {
        m_byControl.remove(set->controlAddress());
        m_sets.removeOne(set);
        delete set;
    }
    if (m_sets.size() == 1 && m_sets.first()->control())
        m_sets.first()->build(true);
    freeRetired();
}

void TMultiHandler::selectionUpdated()
{
    for (THandlerRect *set : std::as_const(m_sets))
        set->place();
    freeRetired();
}

} // namespace tw
