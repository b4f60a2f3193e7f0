#pragma once

#include <QEvent>
#include <QPoint>

class QObject;
class QWidget;

namespace tw
{

class TControl;

// The designer's own event numbers, kept apart from Qt's by the user range.
namespace dsn
{
// Put a control added after design mode came on under design control.
inline constexpr QEvent::Type RehookControl = QEvent::Type(QEvent::User + 1600);
// Move the grab handles to the selected controls' current bounds.
inline constexpr QEvent::Type RefreshHandles = QEvent::Type(QEvent::User + 1602);
// Tell the rules of tiles created or loaded once a stream has been read.
inline constexpr QEvent::Type ControlCreated = QEvent::Type(QEvent::User + 1604);
inline constexpr QEvent::Type ControlLoaded = QEvent::Type(QEvent::User + 1605);
// Asked of a control before a design-mode press reaches the designer; a
// control that accepts it gets the press as well.
inline constexpr QEvent::Type DesignHitTest = QEvent::Type(QEvent::User + 1606);

// The colour of the rubber band (maroon) and the gray of inactive handles.
inline constexpr int kBandColor = 128;
inline constexpr int kGray = 8421504;

// The bits of TDesignRules::selectKind.
inline constexpr int kMayReceive = 1;
inline constexpr int kMaySelect = 2;
} // namespace dsn

// Snaps a point onto a grid of `w` x `h`, truncating toward zero; a step of 0
// or less leaves that axis alone.
inline QPoint snapPoint(QPoint p, int w, int h)
{
    return {w > 0 ? w * (p.x() / w) : p.x(), h > 0 ? h * (p.y() / h) : p.y()};
}

// The parties the selection list reports its changes to, in order of
// registration: grab handles, the inspector model and any partner.
class TSelectionReceiver
{
public:
    virtual ~TSelectionReceiver() = default;
    // The control at `index` was freed; `gone` is its old address, for
    // identification only.
    virtual void selectionEntryNil(int index, const QObject *gone);
    virtual void selectionAdded(TControl *control);
    virtual void selectionCleared();
    // `control` is null when the entry had been set to nothing.
    virtual void selectionDeleted(int index, TControl *control);
    virtual void selectionUpdated();
};

} // namespace tw
