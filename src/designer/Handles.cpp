#include "designer/Handles.h"

#include "component/Control.h"
#include "component/Idents.h"

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

} // namespace

TSmallRect::TSmallRect(THandlerRect *set) : m_set(set)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(smallRectAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
}

TControl *TSmallRect::control() const
{
    return m_set ? m_set->control() : nullptr;
}

void TSmallRect::setColor(int color)
{
    m_color = color;
    if (isActive())
        setCursor(activeCursor());
    else
        unsetCursor();
    update();
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
    setGeometry(QRect(placeFor(target->geometry(), s), QSize(s, s)));
}

QRect TSmallRect::resizedBounds(const QRect &b, int dx, int dy) const
{
    int left = b.x() + (movesLeft() ? dx : 0);
    int top = b.y() + (movesTop() ? dy : 0);
    int width = b.width() + (movesRight() ? dx : movesLeft() ? -dx : 0);
    int height = b.height() + (movesBottom() ? dy : movesTop() ? -dy : 0);
    if (width < 0) {
        left = movesRight() ? b.x() + width : b.x() + b.width();
        width = -width;
    }
    if (height < 0) {
        top = movesBottom() ? b.y() + height : b.y() + b.height();
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
    if (m_set->manager()->onResizeStarted)
        m_set->manager()->onResizeStarted(target);
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
    const QRect old = m_set->recorded();
    target->setBounds(resizedBounds(old, d.x(), d.y()));
    THandlerRect *set = m_set;
    TMultiHandler *manager = set->manager();
    if (manager->onResizeEnded)
        manager->onResizeEnded(target, old);
    // The handler may have changed the selection; only a surviving set moves.
    if (manager->sets().contains(set)) {
        set->place();
        set->record();
    }
}

QPoint THidariueRect::placeFor(const QRect &b, int) const
{
    return {b.x() - 2, b.y() - 2};
}

QPoint TMigiueRect::placeFor(const QRect &b, int s) const
{
    return {b.x() + b.width() - s + 2, b.y() - 2};
}

QPoint TMigishitaRect::placeFor(const QRect &b, int s) const
{
    return {b.x() + b.width() - s + 2, b.y() + b.height() - s + 2};
}

QPoint THidarishitaRect::placeFor(const QRect &b, int s) const
{
    return {b.x() - 2, b.y() + b.height() - s + 2};
}

QPoint TNakaueRect::placeFor(const QRect &b, int s) const
{
    return {b.x() + b.width() / 2 - s / 2, b.y() - 2};
}

QPoint TNakashitaRect::placeFor(const QRect &b, int s) const
{
    return {b.x() + b.width() / 2 - s / 2, b.y() + b.height() - s + 2};
}

QPoint TNakamigiRect::placeFor(const QRect &b, int s) const
{
    return {b.x() + b.width() - s + 2, b.y() + b.height() / 2 - s / 2};
}

QPoint TNakahidariRect::placeFor(const QRect &b, int s) const
{
    return {b.x() - 2, b.y() + b.height() / 2 - s / 2};
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
    createHandles();
    setActive(active);
    place();
    // New children are stacked on top already.
    for (const QPointer<TSmallRect> &handle : std::as_const(m_handles))
        handle->show();
}

void THandlerRect::freeHandles()
{
    for (const QPointer<TSmallRect> &handle : std::as_const(m_handles))
        delete handle.data();
    m_handles.clear();
}

void THandlerRect::createHandles()
{
    addHandle(new THidariueRect(this));
    addHandle(new TMigiueRect(this));
    addHandle(new TMigishitaRect(this));
    addHandle(new THidarishitaRect(this));
}

void THandler8Rect::createHandles()
{
    THandlerRect::createHandles();
    addHandle(new TNakaueRect(this));
    addHandle(new TNakashitaRect(this));
    addHandle(new TNakamigiRect(this));
    addHandle(new TNakahidariRect(this));
}

void THandlerRect::addHandle(TSmallRect *handle)
{
    // Parented once complete, so whoever watches the parent sees a handle.
    handle->setParent(m_control->parentWidget());
    m_handles.append(handle);
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

TMultiHandler::TMultiHandler(const THandleSettings &settings, TOutlineOverlay *overlay,
                             QObject *parent)
    : QObject(parent), m_settings(settings), m_overlay(overlay)
{
}

TMultiHandler::~TMultiHandler()
{
    selectionCleared();
}

THandlerRect *TMultiHandler::newSet(TControl *control)
{
    return new THandlerRect(this, control);
}

THandlerRect *TMulti8Handler::newSet(TControl *control)
{
    return new THandler8Rect(this, control);
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
    THandlerRect *set = newSet(control);
    m_sets.append(set);
    m_byControl.insert(control, set);
    set->build(m_sets.size() == 1);
    if (m_sets.size() == 2)
        m_sets.first()->setActive(false);
}

void TMultiHandler::selectionCleared()
{
    const QList<THandlerRect *> sets = std::exchange(m_sets, {});
    m_byControl.clear();
    qDeleteAll(sets);
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
}

void TMultiHandler::selectionUpdated()
{
    for (THandlerRect *set : std::as_const(m_sets))
        set->place();
}

} // namespace tw
