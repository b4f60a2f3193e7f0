#include "designer/DsnStage.h"

#include "designer/DsnRegister.h"
#include "designer/Outline.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace tw
{
namespace
{

// A posted request about one control; the control may be gone on arrival.
class TControlEvent : public QEvent
{
public:
    TControlEvent(QEvent::Type type, QWidget *control) : QEvent(type), control(control) {}
    QPointer<QWidget> control;
};

} // namespace

TDsnStage::TDsnStage(TOwner *owner) : TPanel(owner), m_rubberband(new TRubberband(this))
{
    setAccessibleName(QStringLiteral("Design stage"));
}

TDsnStage::~TDsnStage() = default;

TDsnRegister *TDsnStage::dsnRegister() const
{
    return m_register;
}

void TDsnStage::setDsnRegister(TDsnRegister *value)
{
    m_register = value;
}

TOutlineOverlay *TDsnStage::overlay()
{
    if (!m_overlay)
        m_overlay = new TOutlineOverlay(this);
    return m_overlay;
}

ReadHooks TDsnStage::readHooks(bool created)
{
    ReadHooks hooks;
    QPointer<TDsnStage> self(this);
    hooks.loading = [self, created](TControl *control) {
        if (!self)
            return;
        self->rules().tileLoading(control);
        QCoreApplication::postEvent(self, new TControlEvent(dsn::ControlLoaded, control));
        if (created)
            self->postControlCreated(control);
    };
    return hooks;
}

void TDsnStage::postControlCreated(TControl *control)
{
    QCoreApplication::postEvent(this, new TControlEvent(dsn::ControlCreated, control));
}

void TDsnStage::postRehook(QWidget *control)
{
    QCoreApplication::postEvent(this, new TControlEvent(dsn::RehookControl, control));
}

void TDsnStage::refreshHandles()
{
    QEvent request(dsn::RefreshHandles);
    QCoreApplication::sendEvent(this, &request);
}

bool TDsnStage::event(QEvent *event)
{
    switch (int(event->type())) {
    case dsn::RefreshHandles:
        if (m_register)
            m_register->refreshHandles();
        return true;
    case dsn::RehookControl:
        if (m_register)
            m_register->rehook(static_cast<TControlEvent *>(event)->control);
        return true;
    case dsn::ControlCreated:
    case dsn::ControlLoaded: {
        auto *control = qobject_cast<TControl *>(static_cast<TControlEvent *>(event)->control);
        if (!control)
            return true;
        if (event->type() == dsn::ControlCreated)
            rules().tileCreated(control);
        else
            rules().tileLoaded(control);
        return true;
    }
    default:
        return TPanel::event(event);
    }
}

void TDsnStage::keyPressEvent(QKeyEvent *event)
{
    if (m_designing && m_register && arrowKey(event))
        return;
    if (m_designing && m_register && (event->modifiers() & Qt::ControlModifier)) {
        switch (event->key()) {
        case Qt::Key_C:
            m_register->CopySelection();
            event->accept();
            return;
        case Qt::Key_X:
            m_register->CutSelection();
            event->accept();
            return;
        case Qt::Key_V:
            m_register->PasteClipboard();
            event->accept();
            return;
        case Qt::Key_A:
            m_register->SelectAll();
            event->accept();
            return;
        default:
            break;
        }
    }
    TPanel::keyPressEvent(event);
}

// Arrows move the selection by a grid step, with Ctrl by one pixel; with
// Shift they resize it instead.
bool TDsnStage::arrowKey(QKeyEvent *event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        return false;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (!(mods & Qt::ControlModifier))
        step = {step.x() * std::max(1, m_register->gridWidth()),
                step.y() * std::max(1, m_register->gridHeight())};
    m_register->KeyboardMove(step.x(), step.y(), mods & Qt::ShiftModifier);
    event->accept();
    return true;
}

void TDsnStage::keyReleaseEvent(QKeyEvent *event)
{
    if (m_designing && m_register && event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        m_register->DeleteSelection();
        event->accept();
        return;
    }
    TPanel::keyReleaseEvent(event);
}

void TDsnStage::resized()
{
    if (m_overlay)
        m_overlay->setGeometry(rect());
}

} // namespace tw
