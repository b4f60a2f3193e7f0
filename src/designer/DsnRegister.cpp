#include "designer/DsnRegister.h"

#include "component/ClassRegistry.h"
#include "component/ComponentStreaming.h"
#include "component/Control.h"
#include "component/Owner.h"
#include "component/PropertyAccess.h"
#include "designer/DsnClipboard.h"
#include "designer/DsnPanel.h"
#include "designer/DsnSelection.h"
#include "designer/DsnStage.h"
#include "designer/Handles.h"
#include "designer/Inspector.h"
#include "designer/Outline.h"
#include "format/ComponentStream.h"
#include "format/Error.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMetaEnum>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

namespace tw
{
namespace
{

void showError(QWidget *parent, const TError &error)
{
    QMessageBox::critical(parent, QApplication::applicationName(), error.message());
}

int depthBelow(const QWidget *widget, const QWidget *stage)
{
    int depth = 0;
    for (const QWidget *w = widget; w && w != stage; w = w->parentWidget())
        ++depth;
    return depth;
}

QRect normalizedSpan(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QSize(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
}

// Whether two rectangles share any area; an empty band touches nothing.
bool overlaps(const QRect &band, const QRect &bounds)
{
    return std::max(band.x(), bounds.x()) <
               std::min(band.x() + band.width(), bounds.x() + bounds.width()) &&
           std::max(band.y(), bounds.y()) <
               std::min(band.y() + band.height(), bounds.y() + bounds.height());
}

bool swallowedInDesign(QEvent::Type type)
{
    switch (type) {
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TabletPress:
    case QEvent::TouchBegin:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

} // namespace

TDsnAgent::TDsnAgent(TDsnRegister *owner, QObject *holder, QWidget *target, TDsnAgent *host)
    : QObject(holder), m_register(owner), m_target(target), m_host(host), m_light(host != nullptr)
{
    target->installEventFilter(this);
}

TDsnAgent::~TDsnAgent()
{
    if (m_target)
        m_target->removeEventFilter(this);
}

bool TDsnAgent::eventFilter(QObject *watched, QEvent *event)
{
    return m_register->agentEvent(this, watched, event);
}

TDsnRegister::TDsnRegister(QObject *parent) : QObject(parent)
{
    m_entryWatch.owner = this;
}

TDsnRegister::~TDsnRegister()
{
    freeAgents();
    m_handles.reset();
    m_selection.reset();
    if (m_stage && m_stage->dsnRegister() == this) {
        m_stage->setDesigning(false);
        m_stage->setDsnRegister(nullptr);
    }
}

void TDsnRegister::setDsnStage(TDsnStage *stage)
{
    m_stage = stage;
    if (!stage)
        return;
    const TRubberband *band = stage->rubberband();
    m_moveWidth = band->moveWidth();
    m_moveHeight = band->moveHeight();
    m_outlineColor = band->color();
    m_outlineWidth = band->penWidth();
}

TControl *TDsnRegister::createdControl() const
{
    return m_created;
}

bool TDsnRegister::isHooked(const QWidget *widget) const
{
    return m_agents.contains(widget);
}

bool TDsnRegister::isLightHooked(const QWidget *widget) const
{
    const TDsnAgent *agent = m_agents.value(widget);
    return agent && agent->isLight();
}

// ---- design mode ----------------------------------------------------------

void TDsnRegister::SetDesignMode(bool on)
{
    if (on == m_designMode || (on && !m_stage))
        return;
    for (TDsnPartner *partner : std::as_const(m_partners))
        partner->designModeChanging(this, on);
    if (on) {
        m_stage->setDsnRegister(this);
        CreateAgentList();
        hookTree(m_stage, nullptr);
        PrepareContextMenu();
        m_stageFocusPolicy = m_stage->focusPolicy();
        m_stage->setFocusPolicy(Qt::StrongFocus);
        m_stage->setFocus();
        m_stage->setDesigning(true);
        m_designMode = true;
        if (m_panel)
            m_panel->enable(true);
        if (m_inspector) {
            m_inspector->createModel(m_stage);
            m_inspector->showWindow();
        }
        return;
    }
    endDrag();
    m_pressed = false;
    freeAgents();
    if (m_stage) {
        m_stage->setFocusPolicy(m_stageFocusPolicy);
        m_stage->setDesigning(false);
    }
    m_designMode = false;
    delete m_contextMenu.data();
    if (m_panel)
        m_panel->enable(false);
    if (m_inspector) {
        m_inspector->hideWindow();
        if (m_selection && m_inspector->model())
            m_selection->removeReceiver(m_inspector->model());
        m_inspector->freeModel();
    }
    if (m_selection)
        m_selection->clear();
    m_selection.reset();
    m_handles.reset();
}

void TDsnRegister::CreateAgentList()
{
    freeAgents();
}

TDsnAgent *TDsnRegister::CreateAgent(QWidget *control, TDsnAgent *host)
{
    if (!m_agentHolder)
        m_agentHolder = new QObject(this);
    auto *agent = new TDsnAgent(this, m_agentHolder, control, host);
    m_agents.insert(control, agent);
    connect(control, &QObject::destroyed, this, &TDsnRegister::agentTargetDestroyed);
    return agent;
}

void TDsnRegister::freeAgents()
{
    const QHash<const QObject *, TDsnAgent *> agents = std::exchange(m_agents, {});
    for (auto it = agents.begin(); it != agents.end(); ++it)
        if (it.value()->target())
            disconnect(it.value()->target(), nullptr, this, nullptr);
    // Freed with their holder at once: one by one, each would be looked up in
    // a list of thousands of siblings.
    delete std::exchange(m_agentHolder, nullptr);
    m_excluded.clear();
}

void TDsnRegister::agentTargetDestroyed(QObject *target)
{
    TDsnAgent *agent = m_agents.take(target);
    m_excluded.remove(target);
    if (!agent)
        return;
    AgentTargetRemoved(target);
    agent->deleteLater();
}

void TDsnRegister::AgentTargetRemoved(const QObject *)
{
}

void TDsnRegister::SelectionEntryRemoving(const QObject *)
{
}

bool TDsnRegister::isDesignerPart(const QWidget *widget) const
{
    return qobject_cast<const TSmallRect *>(widget) ||
           qobject_cast<const TOutlineOverlay *>(widget) ||
           (widget->isWindow() && widget != m_stage);
}

void TDsnRegister::hookTree(QWidget *widget, TDsnAgent *host)
{
    if (!widget || !m_stage || isDesignerPart(widget) || m_excluded.contains(widget))
        return;
    TDsnAgent *agent = m_agents.value(widget);
    if (!agent) {
        const auto *control = qobject_cast<const TControl *>(widget);
        const bool owned = widget == m_stage ||
                           (control && control->owner() && control->owner() == m_stage->owner());
        if (owned && widget != m_stage && m_stage->rules().coverKind(widget) == 1) {
            m_excluded.insert(widget);
            return;
        }
        if (owned)
            agent = CreateAgent(widget, nullptr);
        else if (host)
            agent = CreateAgent(widget, host);
        else
            return;
    }
    TDsnAgent *childHost = agent->isLight() ? agent->host() : agent;
    for (QObject *child : widget->children())
        if (child->isWidgetType())
            hookTree(static_cast<QWidget *>(child), childHost);
}

void TDsnRegister::rehook(QWidget *widget)
{
    if (!m_designMode || !widget || !m_stage || m_agents.contains(widget))
        return;
    TDsnAgent *host = nullptr;
    for (QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        if (m_excluded.contains(p))
            return;
        if (TDsnAgent *agent = m_agents.value(p)) {
            host = agent->isLight() ? agent->host() : agent;
            break;
        }
        if (p == m_stage)
            break;
    }
    if (host)
        hookTree(widget, host);
}

// ---- routing ----------------------------------------------------------------

TDsnMouse TDsnRegister::mouseOf(QWidget *hooked, QObject *watched, const QMouseEvent *event) const
{
    auto *from = static_cast<QWidget *>(watched);
    QPoint pos = event->position().toPoint();
    if (from != hooked && m_stage)
        pos = hooked->mapFrom(m_stage, from->mapTo(m_stage, pos));
    return {hooked, pos, event->button(), event->buttons(), event->modifiers()};
}

bool TDsnRegister::agentEvent(TDsnAgent *agent, QObject *watched, QEvent *event)
{
    if (!m_designMode || !m_stage || !watched->isWidgetType())
        return false;
    QWidget *hooked =
        agent->isLight() ? (agent->host() ? agent->host()->target() : nullptr) : agent->target();
    if (!hooked)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const bool onStage = widget == m_stage;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        const TDsnMouse m = mouseOf(hooked, watched, me);
        if (me->button() == Qt::LeftButton) {
            m_passOn = false;
            if (hooked != m_stage && widget == hooked) {
                QEvent hit(dsn::DesignHitTest);
                hit.ignore();
                QCoreApplication::sendEvent(hooked, &hit);
                m_passOn = hit.isAccepted();
            }
            m_pressed = true;
            m_pressControl = hooked;
            const bool passOn = m_passOn;
            MouseDown(m);
            if (m_stage)
                m_stage->setFocus();
            return !passOn;
        }
        if (me->button() == Qt::RightButton) {
            RightClick(m);
            if (m_stage)
                m_stage->setFocus();
        }
        return true;
    }
    case QEvent::MouseMove: {
        if (m_pressed && m_pressControl) {
            TDsnMouse m = mouseOf(m_pressControl, watched, static_cast<QMouseEvent *>(event));
            MouseMove(m);
        }
        return !m_passOn;
    }
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        const bool passOn = m_passOn;
        if (m_pressed && me->button() == Qt::LeftButton) {
            m_pressed = false;
            m_passOn = false;
            if (m_pressControl)
                MouseUp(mouseOf(m_pressControl, watched, me));
            return !passOn;
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            DoubleClick(hooked);
        return true;
    case QEvent::FocusIn:
        // Taken back once the focus change under way has finished.
        if (!onStage)
            QMetaObject::invokeMethod(
                m_stage, [stage = m_stage] { stage->setFocus(); }, Qt::QueuedConnection);
        return false;
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType() && !isDesignerPart(static_cast<QWidget *>(child)))
            m_stage->postRehook(static_cast<QWidget *>(child));
        return false;
    }
    case QEvent::Move:
    case QEvent::Resize:
        if (!agent->isLight() && m_handles && !onStage)
            if (auto *control = qobject_cast<TControl *>(widget))
                m_handles->follow(control);
        return false;
    default:
        return swallowedInDesign(event->type()) && !onStage;
    }
}

// ---- selection ---------------------------------------------------------------

TDsnSelection *TDsnRegister::CreateSelection()
{
    auto *selection = new TDsnSelection;
    m_handles.reset(CreateHandleManager());
    connect(m_handles.get(), &TMultiHandler::resizeRequested, this,
            [this](TControl *control, const QRect &bounds) {
                const QRect old = control->geometry();
                requests().resizeTile(control, bounds);
                AfterResize(control, old);
            });
    selection->addReceiver(&m_entryWatch);
    selection->addReceiver(m_handles.get());
    if (m_inspector && m_inspector->model())
        selection->addReceiver(m_inspector->model());
    for (TSelectionReceiver *receiver : std::as_const(m_receivers))
        selection->addReceiver(receiver);
    return selection;
}

TDsnSelection *TDsnRegister::ensureSelection()
{
    if (!m_selection)
        m_selection.reset(CreateSelection());
    return m_selection.get();
}

TMultiHandler *TDsnRegister::newHandleManager(int handles) const
{
    THandleSettings settings;
    settings.handles = handles;
    settings.snapWidth = m_moveWidth;
    settings.snapHeight = m_moveHeight;
    settings.outlineColor = m_outlineColor;
    settings.outlineWidth = m_outlineWidth;
    return new TMultiHandler(settings, m_stage ? m_stage->overlay() : nullptr);
}

TMultiHandler *TDsnRegister::CreateHandleManager()
{
    return newHandleManager(4);
}

TMultiHandler *TDsn8Register::CreateHandleManager()
{
    return newHandleManager(8);
}

void TDsnRegister::SelectControl(TControl *control)
{
    if (!m_designMode || !control)
        return;
    TDsnSelection *selection = ensureSelection();
    selection->clear();
    selection->add(control);
    selection->update();
    HandlesShown();
}

void TDsnRegister::refreshHandles()
{
    if (m_selection)
        m_selection->update();
}

void TDsnRegister::AddPartner(TDsnPartner *partner)
{
    if (partner && !m_partners.contains(partner))
        m_partners.append(partner);
}

void TDsnRegister::RemovePartner(TDsnPartner *partner)
{
    m_partners.removeAll(partner);
}

void TDsnRegister::AddReceiver(TSelectionReceiver *receiver)
{
    if (!receiver || m_receivers.contains(receiver))
        return;
    m_receivers.append(receiver);
    if (m_selection)
        m_selection->addReceiver(receiver);
}

void TDsnRegister::RemoveReceiver(TSelectionReceiver *receiver)
{
    m_receivers.removeAll(receiver);
    if (m_selection)
        m_selection->removeReceiver(receiver);
}

// ---- geometry helpers ----------------------------------------------------------

QPoint TDsnRegister::stagePoint(QWidget *widget, QPoint p) const
{
    return m_stage && widget ? widget->mapTo(m_stage, p) : p;
}

QPoint TDsnRegister::containerPoint(const TDsnMouse &m) const
{
    if (!m_container || !m.control || !m_stage)
        return m.pos;
    const QPoint p = m_container->mapFrom(m_stage, stagePoint(m.control, m.pos));
    // The pointer is held inside the container while a drag lasts.
    return {std::clamp(p.x(), 0, std::max(0, m_container->width() - 1)),
            std::clamp(p.y(), 0, std::max(0, m_container->height() - 1))};
}

QPoint TDsnRegister::snapped(QPoint p) const
{
    return snapPoint(p, m_moveWidth, m_moveHeight);
}

void TDsnRegister::endDrag()
{
    for (std::unique_ptr<TMultiShape> *outline : {&m_moveOutline, &m_creationOutline, &m_band})
        if (*outline) {
            (*outline)->finish();
            outline->reset();
        }
    m_drag = Drag::None;
}

// ---- mouse: single selection --------------------------------------------------

void TDsnRegister::MouseDown(const TDsnMouse &m)
{
    if (m.button != Qt::LeftButton || !m.control)
        return;
    endDrag();
    if (m_panel && m_panel->selectedTemplate()) {
        CreateStart(m);
        return;
    }
    SelectStart(m);
}

void TDsnRegister::MouseMove(const TDsnMouse &m)
{
    switch (m_drag) {
    case Drag::Creating:
        CreateDrag(m);
        break;
    case Drag::Moving:
        MoveDrag(m);
        break;
    default:
        break;
    }
}

void TDsnRegister::MouseUp(const TDsnMouse &m)
{
    switch (m_drag) {
    case Drag::Creating:
        CreateEnd(m);
        break;
    case Drag::Moving:
        MoveEnd(m);
        break;
    default:
        endDrag();
        break;
    }
}

bool TDsnRegister::selectClicked(const TDsnMouse &m, bool toggle)
{
    auto *control = qobject_cast<TControl *>(m.control.data());
    if (!control || control == m_stage || !(m_stage->rules().selectKind(control) & dsn::kMaySelect))
        return false;
    m_container = control->parentWidget();
    TDsnSelection *selection = ensureSelection();
    if (toggle) {
        if (selection->contains(control))
            selection->remove(control);
        else
            selection->add(control);
    } else if (selection->isEmpty()) {
        selection->add(control);
    } else if (!selection->contains(control) || !selection->commonParent()) {
        selection->clear();
        selection->add(control);
    }
    selection->update();
    return true;
}

void TDsnRegister::startMove(const TDsnMouse &m)
{
    QWidget *parent = m_selection ? m_selection->commonParent() : nullptr;
    if (!parent)
        return;
    m_container = parent;
    m_start = snapped(containerPoint(m));
    m_moveOutline.reset(NewMoveOutline(stagePoint(parent, m_start)));
    for (TControl *control : m_selection->items())
        m_moveOutline->addRect(QRect(stagePoint(control, QPoint(0, 0)), control->size()));
    m_drag = Drag::Moving;
}

void TDsnRegister::SelectStart(const TDsnMouse &m)
{
    if (!selectClicked(m, false))
        return;
    startMove(m);
}

void TDsnRegister::SelectOnly(const TDsnMouse &m)
{
    selectClicked(m, false);
}

void TDsnRegister::MoveDrag(const TDsnMouse &m)
{
    if (!m_moveOutline)
        return;
    if (!(m.buttons & Qt::LeftButton)) {
        endDrag();
        return;
    }
    if (m.modifiers & Qt::ShiftModifier)
        return;
    const QPoint delta = snapped(containerPoint(m)) - m_start;
    m_moveOutline->drawAt(stagePoint(m_container, m_start) + delta);
}

void TDsnRegister::MoveEnd(const TDsnMouse &m)
{
    const QPoint end = snapped(containerPoint(m));
    const bool apply = m_moveOutline && m_selection && m_selection->commonParent() &&
                       !(m.modifiers & Qt::ShiftModifier);
    endDrag();
    if (apply && !(end - m_start).isNull()) {
        QList<TControl *> moved;
        for (TControl *control : m_selection->items())
            if (control && m_stage->rules().canMove(control))
                moved.append(control);
        requests().moveTiles(moved, end - m_start);
        AfterMove();
    }
    if (m_selection)
        m_selection->update();
}

void TDsnRegister::DoubleClick(QWidget *control)
{
    if (m_stage)
        m_stage->rules().coverDoubleClicked(control);
}

void TDsnRegister::RightClick(const TDsnMouse &m)
{
    endDrag();
    SelectOnly(m);
    if (!m_stage || (!m_stage->coverMenu() && m_stage->selfProps().isEmpty()))
        return;
    showContextMenu(stagePoint(m.control, m.pos));
}

// ---- creation -------------------------------------------------------------------

TMultiShape *TDsnRegister::NewCreationOutline(QPoint stageOrigin)
{
    return new TMultiShape(m_stage ? m_stage->overlay() : nullptr, stageOrigin, m_outlineColor,
                           m_outlineWidth);
}

TMultiShape *TDsnRegister::NewMoveOutline(QPoint stageOrigin)
{
    return new TMultiShape(m_stage ? m_stage->overlay() : nullptr, stageOrigin, m_outlineColor,
                           m_outlineWidth);
}

void TDsnRegister::CreateStart(const TDsnMouse &m)
{
    QWidget *clicked = m.control;
    if (!(m_stage->rules().selectKind(clicked) & dsn::kMayReceive))
        return;
    auto *control = qobject_cast<TControl *>(clicked);
    m_container = control && control->acceptsControls() ? clicked : clicked->parentWidget();
    if (!qobject_cast<TControl *>(m_container.data()))
        return;
    m_start = snapped(containerPoint(m));
    m_creationOutline.reset(NewCreationOutline(stagePoint(m_container, m_start)));
    m_creationOutline->startSingle();
    m_drag = Drag::Creating;
}

void TDsnRegister::CreateDrag(const TDsnMouse &m)
{
    if (!m_creationOutline)
        return;
    const QPoint d = snapped(containerPoint(m)) - m_start;
    m_creationOutline->setSingleRect(normalizedSpan(QPoint(0, 0), d));
    m_creationOutline->drawAt(m_creationOutline->origin());
}

void TDsnRegister::CreateEnd(const TDsnMouse &m)
{
    const QPoint d = snapped(containerPoint(m)) - m_start;
    endDrag();
    auto *parent = qobject_cast<TControl *>(m_container.data());
    TControl *source = m_panel ? m_panel->selectedTemplate() : nullptr;
    if (parent && source && m_stage) {
        TEditScope scope;
        scope.creates = true;
        // The step takes in naming, hooking and selecting the new tile as well.
        TEditGuard edit(m_edits, scope);
        try {
            const QString name = source->name();
            source->setName(QString());
            ComponentRecord record = writeComponent(source, source->owner());
            source->setName(name);
            // A new tile docks as its container's insertion rule says; the
            // template's own docking would put it beside the design.
            std::erase_if(record.properties, [](const NamedValue &property) {
                return property.name.compare(QLatin1String("Align"), Qt::CaseInsensitive) == 0;
            });
            const QByteArray stream = writeComponentStream({record});
            if (TControl *created = requests().createTile(
                    readComponentStream(stream).front(), m_stage->owner(), parent,
                    normalizedSpan(m_start, m_start + d), m_stage->readHooks(true))) {
                SetCreatedControl(created);
                hookTree(created, nullptr);
                SelectControl(created);
                edit.setText(createText(created));
            }
        } catch (const TError &error) {
            showError(m_stage, error);
        }
    }
    if (m_panel)
        m_panel->reset();
}

void TDsnRegister::SetCreatedControl(TControl *control)
{
    m_created = control;
}

void TDsnRegister::AfterResize(TControl *, const QRect &)
{
    if (m_inspector)
        m_inspector->refreshValues();
}

void TDsnRegister::AfterMove()
{
    if (m_inspector)
        m_inspector->refreshValues();
}

void TDsnRegister::HandlesShown()
{
}

// ---- clipboard ------------------------------------------------------------------

bool TDsnRegister::CanCopy() const
{
    return m_designMode && m_selection && m_selection->commonParent();
}

bool TDsnRegister::CanPaste() const
{
    if (!m_designMode || !m_selection)
        return false;
    if (m_selection->count() > 1)
        return false;
    if (m_selection->count() == 1 && !m_selection->at(0)->acceptsControls())
        return false;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(dsnClipboardMimeType());
}

TControl *TDsnRegister::PasteTarget() const
{
    if (m_selection && m_selection->count() == 1)
        return m_selection->at(0);
    return m_stage;
}

void TDsnRegister::CopySelection()
{
    if (!CanCopy() || !m_stage)
        return;
    std::vector<ComponentRecord> records;
    for (const TControl *control : m_selection->items())
        records.push_back(writeComponent(control, m_stage->owner()));
    auto *data = new QMimeData;
    data->setData(dsnClipboardMimeType(), encodeClipboardBlock(writeComponentStream(records)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TDsnRegister::CutSelection()
{
    if (!CanCopy())
        return;
    TEditScope scope;
    scope.removable = m_selection->items();
    TEditGuard edit(m_edits, scope);
    edit.setText(tilesText(QStringLiteral("Cut"), int(scope.removable.size())));
    CopySelection();
    DeleteSelection();
}

void TDsnRegister::PasteClipboard()
{
    if (!CanPaste())
        return;
    TControl *target = PasteTarget();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    const std::optional<QByteArray> stream =
        decodeClipboardBlock(data->data(dsnClipboardMimeType()));
    if (!target || !stream)
        return;
    std::vector<ComponentRecord> records;
    try {
        records = readComponentStream(*stream);
    } catch (const TError &error) {
        // Another program's clipboard data that does not read: say why.
        showError(m_stage, error);
        return;
    }
    TEditScope scope;
    scope.creates = true;
    TEditGuard edit(m_edits, scope);
    m_selection->clear();
    const QList<TControl *> pasted =
        readComponents(records, m_stage->owner(), target, m_stage->readHooks(true));
    for (TControl *control : pasted) {
        hookTree(control, nullptr);
        int left = control->left();
        int top = control->top();
        if (left > target->width())
            left = target->width() - control->width();
        if (left < 0)
            left = 0;
        if (top > target->height())
            top = target->height() - control->height();
        if (top < 0)
            top = 0;
        control->setBounds(left, top, control->width(), control->height());
        m_selection->add(control);
    }
    m_selection->update();
    edit.setText(tilesText(QStringLiteral("Paste"), int(pasted.size())));
}

void TDsnRegister::DeleteSelection()
{
    if (!m_selection || m_selection->isEmpty() || !m_stage)
        return;
    TEditScope scope;
    scope.removable = m_selection->items();
    TEditGuard edit(m_edits, scope);
    QList<QPointer<TControl>> doomed;
    for (TControl *control : m_selection->items())
        doomed.append(control);
    m_selection->clear();
    m_selection->update();
    for (qsizetype i = doomed.size() - 1; i >= 0; --i)
        if (!doomed[i] || !m_stage->rules().canDelete(doomed[i]))
            doomed.removeAt(i);
    std::stable_sort(doomed.begin(), doomed.end(),
                     [this](const QPointer<TControl> &a, const QPointer<TControl> &b) {
                         return depthBelow(a, m_stage) < depthBelow(b, m_stage);
                     });
    edit.setText(tilesText(QStringLiteral("Delete"), int(doomed.size())));
    // Deepest first; a control freed with its parent is not freed again.
    for (qsizetype i = doomed.size() - 1; i >= 0; --i)
        delete doomed[i].data();
    if (m_inspector)
        m_inspector->refreshValues();
}

void TDsnRegister::SelectAll()
{
    if (!m_designMode || !m_stage)
        return;
    auto *container = qobject_cast<TControl *>(SelectAllContainer());
    if (!container)
        return;
    TDsnSelection *selection = ensureSelection();
    selection->clear();
    for (TControl *child : container->childControls())
        if (child->owner() == m_stage->owner() &&
            (m_stage->rules().selectKind(child) & dsn::kMaySelect))
            selection->add(child);
    selection->update();
}

QWidget *TDsnRegister::SelectAllContainer() const
{
    if (!m_selection || m_selection->isEmpty())
        return m_stage;
    // A lone container with tiles in it stands for its tiles.
    TControl *first = m_selection->at(0);
    if (m_selection->count() == 1 && first->acceptsControls() && !first->childControls().isEmpty())
        return first;
    return first->parentWidget();
}

// ---- keyboard -----------------------------------------------------------------

void TDsnRegister::KeyboardMove(int dx, int dy, bool resize)
{
    if (!m_designMode || !m_stage || !m_selection || !m_selection->commonParent())
        return;
    QList<std::pair<TControl *, QRect>> placements;
    for (TControl *control : m_selection->items()) {
        if (!control || !m_stage->rules().canMove(control))
            continue;
        const QRect b = control->geometry();
        if (resize)
            placements.append({control, QRect(b.x(), b.y(), std::max(0, b.width() + dx),
                                              std::max(0, b.height() + dy))});
        else
            placements.append(
                {control, dockedPlace(control, dx, dy).value_or(b.translated(dx, dy))});
    }
    // Successive presses over the same tiles make one step.
    requests().placeTiles(placements,
                          tilesText(resize ? QStringLiteral("Resize") : QStringLiteral("Move"),
                                    int(m_selection->count())),
                          resize ? 2 : 1);
    m_selection->update();
    AfterMove();
}

// A docked tile moves along its docking direction by changing places with its
// neighbour, which is also its place in the generated code; across it, it
// does not move. Nothing for a tile that is not docked.
std::optional<QRect> TDsnRegister::dockedPlace(const TControl *control, int dx, int dy) const
{
    const TAlign align = control->align();
    if (align == alNone)
        return std::nullopt;
    const QRect stay = control->geometry();
    const bool vertical = align == alTop || align == alBottom;
    const int step = vertical ? dy : dx;
    TControl *parent = control->parentControl();
    if (step == 0 || !parent || !(vertical || align == alLeft || align == alRight))
        return stay;
    const auto along = [vertical](const TControl *c) { return vertical ? c->top() : c->left(); };
    QList<const TControl *> line;
    for (const TControl *sibling : parent->childControls())
        if (sibling->align() == align && sibling->visibleProp())
            line.append(sibling);
    std::stable_sort(line.begin(), line.end(),
                     [&](const TControl *a, const TControl *b) { return along(a) < along(b); });
    const qsizetype at = line.indexOf(control) + (step > 0 ? 1 : -1);
    if (at < 0 || at >= line.size())
        return stay;
    const TControl *neighbour = line[at];
    // Docking lets the moved tile win a tie of position: placed on the
    // neighbour's leading edge it goes before it, on its trailing edge after.
    const int to = step < 0
                       ? along(neighbour)
                       : along(neighbour) + (vertical ? neighbour->height() : neighbour->width());
    return vertical ? QRect(stay.x(), to, stay.width(), stay.height())
                    : QRect(to, stay.y(), stay.width(), stay.height());
}

// ---- context menu ---------------------------------------------------------------

void TDsnRegister::PrepareContextMenu()
{
    delete m_contextMenu.data();
    m_contextMenu = new QMenu;
    m_contextMenu->setAccessibleName(QStringLiteral("Design menu"));
    connect(m_contextMenu, &QMenu::triggered, this, &TDsnRegister::ContextMenuClick);
    connect(this, &QObject::destroyed, m_contextMenu, &QObject::deleteLater);
}

void TDsnRegister::showContextMenu(QPoint stagePos)
{
    if (!m_contextMenu)
        PrepareContextMenu();
    QMenu *menu = m_contextMenu;
    menu->clear();
    if (QMenu *cover = m_stage->coverMenu())
        menu->addActions(cover->actions());
    menu->addSeparator();
    const QList<TControl *> selected = m_selection ? m_selection->items() : QList<TControl *>();
    if (!selected.isEmpty()) {
        // One item per value of each enumeration property offered.
        for (const QString &line : m_stage->selfProps()) {
            const QString prop = line.section(QLatin1Char('|'), 0, 0).trimmed();
            const QString shown =
                line.contains(QLatin1Char('|')) ? line.section(QLatin1Char('|'), 1) : prop;
            if (selected.size() > 1 && m_stage->outProps().contains(prop, Qt::CaseInsensitive))
                continue;
            const TObjInfo info(selected.first());
            const int index = info.IndexOfProp(prop);
            if (index < 0)
                continue;
            const QMetaProperty property =
                publishedProperties(selected.first()->metaObject())[index];
            if (typeKind(property) != TTypeKind::tkEnumeration)
                continue;
            QStringList values;
            if (property.metaType() == QMetaType::fromType<bool>())
                values = {QStringLiteral("False"), QStringLiteral("True")};
            else
                for (int i = 0; i < property.enumerator().keyCount(); ++i)
                    values.append(QString::fromLatin1(property.enumerator().key(i)));
            for (const QString &value : values) {
                QAction *action = menu->addAction(shown + QLatin1String(": ") + value);
                action->setData(QStringList{QString::fromLatin1(property.name()), value});
            }
        }
    }
    m_stage->rules().popupShowing(menu);
    menu->popup(m_stage->mapToGlobal(stagePos));
}

void TDsnRegister::ContextMenuClick(QAction *action)
{
    const QStringList data = action ? action->data().toStringList() : QStringList();
    if (data.size() != 2 || !m_selection || !m_stage)
        return;
    const QList<TControl *> selected = m_selection->items();
    TEditScope scope;
    scope.targets = QList<QObject *>(selected.begin(), selected.end());
    scope.properties = {data[0]};
    TEditGuard edit(m_edits, scope);
    edit.setText(setPropertyText(data[0], int(selected.size())));
    const QString value = m_stage->rules().menuValueChosen(selected, data[0], data[1]);
    for (TControl *control : selected)
        applyPropertyText(control, data[0], value);
    m_selection->update();
    if (m_inspector)
        m_inspector->refreshValues();
}

// ---- multiple selection ---------------------------------------------------------

void TDsnMlRegister::MouseDown(const TDsnMouse &m)
{
    if (m.button != Qt::LeftButton || !m.control)
        return;
    endDrag();
    if (dsnPanel() && dsnPanel()->selectedTemplate()) {
        CreateStart(m);
        return;
    }
    if ((m.modifiers & Qt::ControlModifier) || m.control == dsnStage()) {
        BandStart(m);
        return;
    }
    SelectStart(m);
}

void TDsnMlRegister::MouseMove(const TDsnMouse &m)
{
    switch (m_drag) {
    case Drag::Creating:
        CreateDrag(m);
        break;
    case Drag::Banding:
        BandDrag(m);
        break;
    case Drag::Moving:
        MoveDrag(m);
        break;
    default:
        break;
    }
}

void TDsnMlRegister::MouseUp(const TDsnMouse &m)
{
    switch (m_drag) {
    case Drag::Creating:
        CreateEnd(m);
        break;
    case Drag::Banding:
        BandEnd(m);
        break;
    case Drag::Moving:
        MoveEnd(m);
        break;
    default:
        endDrag();
        break;
    }
}

void TDsnMlRegister::SelectStart(const TDsnMouse &m)
{
    const bool toggle = m.modifiers & Qt::ShiftModifier;
    if (!selectClicked(m, toggle) || toggle)
        return;
    startMove(m);
}

void TDsnMlRegister::SelectOnly(const TDsnMouse &m)
{
    selectClicked(m, m.modifiers & Qt::ShiftModifier);
}

void TDsnMlRegister::MoveDrag(const TDsnMouse &m)
{
    TDsnRegister::MoveDrag(m);
}

void TDsnMlRegister::MoveEnd(const TDsnMouse &m)
{
    TDsnRegister::MoveEnd(m);
}

TMultiShape *TDsnMlRegister::NewBand(QPoint stageOrigin)
{
    return new TMultiShape(dsnStage() ? dsnStage()->overlay() : nullptr, stageOrigin,
                           dsn::kBandColor, 1, Qt::DotLine);
}

void TDsnMlRegister::BandStart(const TDsnMouse &m)
{
    auto *pressed = qobject_cast<TControl *>(m.control.data());
    if (!pressed)
        return;
    m_container = pressed->acceptsControls() ? pressed : pressed->parentWidget();
    if (!m_container)
        return;
    m_start = snapped(containerPoint(m));
    m_band.reset(NewBand(stagePoint(m_container, m_start)));
    m_band->startSingle();
    m_drag = Drag::Banding;
}

void TDsnMlRegister::BandDrag(const TDsnMouse &m)
{
    if (!m_band)
        return;
    m_band->setSingleRect(normalizedSpan(QPoint(0, 0), containerPoint(m) - m_start));
    m_band->drawAt(m_band->origin());
}

void TDsnMlRegister::BandEnd(const TDsnMouse &m)
{
    const QPoint end = containerPoint(m);
    endDrag();
    TDsnSelection *selection = ensureSelection();
    selection->clear();
    const QRect band = normalizedSpan(m_start, end);
    if (auto *container = qobject_cast<TControl *>(m_container.data()))
        for (TControl *child : container->childControls())
            if (overlaps(band, child->geometry()) &&
                (dsnStage()->rules().selectKind(child) & dsn::kMaySelect))
                selection->add(child);
    selection->update();
}

} // namespace tw
