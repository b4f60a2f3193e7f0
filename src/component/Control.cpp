#include "component/Control.h"

#include "component/Owner.h"

#include <QMouseEvent>

namespace tw
{

TControl::TControl(TOwner *owner) : m_owner(owner), m_font(new TFont(this))
{
    connect(m_font, &TFont::changed, this, [this] {
        m_parentFont = false;
        fontChanged();
    });
    if (m_owner)
        m_owner->insertComponent(this);
    fontChanged();
}

TControl::~TControl()
{
    if (m_owner)
        m_owner->removeComponent(this);
}

bool TControl::setName(const QString &name)
{
    if (name == m_name)
        return true;
    if (m_owner && !m_owner->renameComponent(this, m_name, name))
        return false;
    // A control that was not given a name of its own is announced by its
    // component name, so tiles on the stage are told apart.
    if (accessibleName().isEmpty() || accessibleName() == m_name)
        setAccessibleName(name);
    m_name = name;
    setObjectName(name);
    return true;
}

TControl *TControl::parentControl() const
{
    return qobject_cast<TControl *>(parentWidget());
}

void TControl::setParentControl(TControl *parent)
{
    TControl *old = parentControl();
    if (old == parent && parentWidget() == parent)
        return;
    setParent(parent);
    // Reparenting hides a widget; keep what the Visible property says.
    QWidget::setVisible(m_visible);
    if (old) {
        old->controlListChange(this, false);
        old->realign();
    }
    if (parent) {
        if (m_tabOrder < 0)
            m_tabOrder = int(parent->childControls().size()) - 1;
        parent->controlListChange(this, true);
        parent->realign(this);
    }
}

QList<TControl *> TControl::childControls() const
{
    QList<TControl *> result;
    result.reserve(children().size());
    for (QObject *child : children())
        if (auto *control = qobject_cast<TControl *>(child))
            result.append(control);
    return result;
}

void TControl::setBounds(int left, int top, int width, int height)
{
    const QRect target(left, top, std::max(0, width), std::max(0, height));
    const QRect old = geometry();
    if (target == old)
        return;
    setGeometry(target);
    if (target.size() != m_handledSize)
        handleResize();
    if (m_align != alNone)
        if (TControl *parent = parentControl())
            parent->realign(this);
}

void TControl::handleResize()
{
    m_handledSize = size();
    realign();
    resized();
    invoke(m_onResize);
}

void TControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (size() != m_handledSize)
        handleResize();
}

void TControl::setAlign(TAlign value)
{
    if (value == m_align)
        return;
    m_align = value;
    if (TControl *parent = parentControl())
        parent->realign(this);
}

void TControl::setCaption(const QString &value)
{
    if (value == m_caption)
        return;
    m_caption = value;
    update();
    emit captionChanged();
}

void TControl::setColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    update();
}

void TControl::setTFont(TFont *value)
{
    if (value)
        m_font->assign(*value);
}

void TControl::setParentFont(bool value)
{
    m_parentFont = value;
}

void TControl::fontChanged()
{
    QWidget::setFont(m_font->toQFont());
    update();
}

void TControl::setEnabledProp(bool value)
{
    m_enabled = value;
    update();
}

void TControl::setVisibleProp(bool value)
{
    if (value == m_visible)
        return;
    m_visible = value;
    QWidget::setVisible(value);
    if (TControl *parent = parentControl())
        parent->realign();
}

void TControl::click()
{
    invoke(m_onClick);
}

void TControl::invoke(const TMethod &method)
{
    if (method.isBound())
        QMetaObject::invokeMethod(method.receiver, method.name.constData(), Q_ARG(QObject *, this));
}

void TControl::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void TControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    invoke(m_onDblClick);
}

QRect TControl::alignRect() const
{
    return rect();
}

void TControl::enableAlign()
{
    if (m_alignDisabled > 0 && --m_alignDisabled == 0 && m_alignPending)
        realign();
}

void TControl::resumeAlign()
{
    if (m_alignDisabled > 0 && --m_alignDisabled == 0)
        m_alignPending = false;
}

void TControl::endLoading()
{
    m_loading = false;
    loaded();
    realign();
}

bool TControl::isPropertyStored(const QByteArray &name) const
{
    return name != "Font" || !m_parentFont;
}

void TControl::radioChecked(TControl *, bool)
{
}

void TControl::controlListChange(TControl *, bool)
{
}

namespace
{

// Whether `c1` goes before `c2` among the children docked to `align`.
bool insertBefore(const TControl *c1, const TControl *c2, TAlign align)
{
    switch (align) {
    case alTop:
        return c1->y() < c2->y();
    case alBottom:
        return c1->y() + c1->height() >= c2->y() + c2->height();
    case alLeft:
        return c1->x() < c2->x();
    case alRight:
        return c1->x() + c1->width() >= c2->x() + c2->width();
    default:
        return false;
    }
}

} // namespace

void TControl::realign(TControl *trigger)
{
    if (m_alignDisabled > 0 || m_loading) {
        m_alignPending = true;
        return;
    }
    if (m_aligning)
        return;
    m_aligning = true;
    m_alignPending = false;
    const QList<TControl *> children = childControls();
    QRect area = alignRect();
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        QList<TControl *> list;
        if (trigger && trigger->m_align == align && trigger->m_visible &&
            trigger->parentWidget() == this)
            list.append(trigger);
        for (TControl *child : children) {
            if (child == trigger || child->m_align != align || !child->m_visible)
                continue;
            qsizetype at = 0;
            while (at < list.size() && !insertBefore(child, list[at], align))
                ++at;
            list.insert(at, child);
        }
        for (TControl *child : list) {
            const int w = child->width();
            const int h = child->height();
            switch (align) {
            case alTop:
                child->setBounds(area.left(), area.top(), area.width(), h);
                area.setTop(area.top() + child->height());
                break;
            case alBottom:
                child->setBounds(area.left(), area.bottom() + 1 - h, area.width(), h);
                area.setBottom(area.bottom() - child->height());
                break;
            case alLeft:
                child->setBounds(area.left(), area.top(), w, area.height());
                area.setLeft(area.left() + child->width());
                break;
            case alRight:
                child->setBounds(area.right() + 1 - w, area.top(), w, area.height());
                area.setRight(area.right() - child->width());
                break;
            default:
                child->setBounds(area.left(), area.top(), area.width(), area.height());
                break;
            }
        }
    }
    m_aligning = false;
}

} // namespace tw
