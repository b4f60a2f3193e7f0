#pragma once

#include "designer/DesignEdits.h"
#include "designer/DsnPanel.h"
#include "designer/DsnStage.h"
#include "designer/DsnTypes.h"
#include "designer/Inspector.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QMouseEvent;

namespace tw
{

class TArrowButton;
class TCustomInspector;
class TDsnPanel;
class TDsnRegister;
class TDsnSelection;
class TDsnStage;
class TInspectorModel;
class TMultiHandler;
class TMultiShape;

// A press, drag or release as the controller sees it: the hooked control
// that got the press (the capture) and the point in its coordinates.
struct TDsnMouse {
    QPointer<QWidget> control;
    QPoint pos;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// The event filter that puts one widget under design control. A full agent
// sits on the stage and on each control the stage's owner owns; a light
// agent sits on an inner part of such a control (the field of an edit tile,
// the button of a button tile) and hands everything to its host, so a press
// anywhere on a tile reaches the designer as a press on the tile.
class TDsnAgent : public QObject
{
    Q_OBJECT

public:
    // `holder` frees the agent unless it is freed first.
    TDsnAgent(TDsnRegister *owner, QObject *holder, QWidget *target, TDsnAgent *host);
    ~TDsnAgent() override;

    QWidget *target() const { return m_target; }
    TDsnAgent *host() const { return m_host; }
    bool isLight() const { return m_light; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TDsnRegister *m_register;
    QPointer<QWidget> m_target;
    QPointer<TDsnAgent> m_host;
    bool m_light;
};

// A component told about design mode before the controller switches it.
class TDsnPartner
{
public:
    virtual ~TDsnPartner() = default;
    virtual void designModeChanging(TDsnRegister *sender, bool on) = 0;
};

// The design controller: ties the stage to the palette and the inspector,
// switches design mode, and carries out every mouse and clipboard command.
// Each step is a virtual operation so that subclasses can change one step.
// The selection, the handles and the inspector model exist only while
// design mode is on; with it off the stage's controls are left exactly as
// they were before it came on.
class TDsnRegister : public QObject
{
    Q_OBJECT
    Q_PROPERTY(tw::TDsnStage *DsnStage READ dsnStage WRITE setDsnStage)
    Q_PROPERTY(tw::TDsnPanel *DsnPanel READ dsnPanel WRITE setDsnPanel)
    Q_PROPERTY(tw::TCustomInspector *DsnInspector READ dsnInspector WRITE setDsnInspector)
    Q_PROPERTY(tw::TArrowButton *ArrowButton READ arrowButton WRITE setArrowButton)

public:
    explicit TDsnRegister(QObject *parent = nullptr);
    ~TDsnRegister() override;

    TDsnStage *dsnStage() const { return m_stage; }
    void setDsnStage(TDsnStage *stage);
    TDsnPanel *dsnPanel() const { return m_panel; }
    void setDsnPanel(TDsnPanel *panel) { m_panel = panel; }
    TCustomInspector *dsnInspector() const { return m_inspector; }
    void setDsnInspector(TCustomInspector *inspector) { m_inspector = inspector; }
    TArrowButton *arrowButton() const { return m_arrow; }
    void setArrowButton(TArrowButton *arrow) { m_arrow = arrow; }
    // Where every change to the design is reported as an edit (may be null).
    TDesignEdits *edits() const { return m_edits; }
    void setEdits(TDesignEdits *edits) { m_edits = edits; }

    bool designMode() const { return m_designMode; }
    TDsnSelection *selection() const { return m_selection.get(); }
    TMultiHandler *handleManager() const { return m_handles.get(); }
    TControl *createdControl() const;
    QWidget *container() const { return m_container; }
    QPoint dragStart() const { return m_start; }
    const TMultiShape *moveOutline() const { return m_moveOutline.get(); }
    const TMultiShape *creationOutline() const { return m_creationOutline.get(); }
    const TMultiShape *band() const { return m_band.get(); }
    QMenu *contextMenu() const { return m_contextMenu; }
    // Whether `widget` carries an agent, and whether that agent is light.
    bool isHooked(const QWidget *widget) const;
    bool isLightHooked(const QWidget *widget) const;
    int agentCount() const { return int(m_agents.size()); }

    // Makes `control` the only selection.
    void SelectControl(TControl *control);
    void refreshHandles();
    void rehook(QWidget *widget);

    // Empty hooks: a hooked control or a selected control was freed; `gone`
    // is its old address, for identification only.
    virtual void AgentTargetRemoved(const QObject *gone);
    virtual void SelectionEntryRemoving(const QObject *gone);
    virtual void SetDesignMode(bool on);
    virtual TMultiHandler *CreateHandleManager();
    virtual TMultiShape *NewCreationOutline(QPoint stageOrigin);
    virtual TMultiShape *NewMoveOutline(QPoint stageOrigin);
    virtual TDsnAgent *CreateAgent(QWidget *control, TDsnAgent *host);
    virtual TDsnSelection *CreateSelection();
    virtual void CreateAgentList();
    virtual void MouseDown(const TDsnMouse &m);
    virtual void MouseMove(const TDsnMouse &m);
    virtual void MouseUp(const TDsnMouse &m);
    virtual void CreateStart(const TDsnMouse &m);
    virtual void CreateDrag(const TDsnMouse &m);
    virtual void CreateEnd(const TDsnMouse &m);
    virtual void SelectStart(const TDsnMouse &m);
    virtual void MoveDrag(const TDsnMouse &m);
    virtual void MoveEnd(const TDsnMouse &m);
    virtual void DoubleClick(QWidget *control);
    virtual void RightClick(const TDsnMouse &m);
    virtual void SelectOnly(const TDsnMouse &m);
    virtual bool CanCopy() const;
    virtual bool CanPaste() const;
    virtual TControl *PasteTarget() const;
    virtual void CutSelection();
    virtual void CopySelection();
    virtual void PasteClipboard();
    virtual void DeleteSelection();
    // Selects every tile of the container of the selection (or of the stage).
    virtual void SelectAll();
    virtual QWidget *SelectAllContainer() const;
    // The arrow keys: moves the selection by (dx, dy), or with `resize` grows
    // it by that much. Docked tiles move before or after their neighbour
    // along the docking direction instead.
    virtual void KeyboardMove(int dx, int dy, bool resize);
    int gridWidth() const { return m_moveWidth; }
    int gridHeight() const { return m_moveHeight; }
    virtual void SetCreatedControl(TControl *control);
    virtual void AfterResize(TControl *control, const QRect &oldBounds);
    virtual void AfterMove();
    virtual void HandlesShown();
    virtual void PrepareContextMenu();
    virtual void ContextMenuClick(QAction *action);
    virtual void AddPartner(TDsnPartner *partner);
    virtual void RemovePartner(TDsnPartner *partner);
    virtual void AddReceiver(TSelectionReceiver *receiver);
    void RemoveReceiver(TSelectionReceiver *receiver);

protected:
    enum class Drag { None, Creating, Banding, Moving };

    // The selection, made at the first selection after design mode came on.
    TDsnSelection *ensureSelection();
    // The point of `m` in the current container, kept inside it.
    QPoint containerPoint(const TDsnMouse &m) const;
    QPoint snapped(QPoint p) const;
    // A handle manager with `handles` handles per selected control.
    TMultiHandler *newHandleManager(int handles) const;
    QPoint stagePoint(QWidget *widget, QPoint p) const;
    void hookTree(QWidget *widget, TDsnAgent *host);
    void freeAgents();
    bool isDesignerPart(const QWidget *widget) const;
    // Selects as a plain click would; false when the rules refused it.
    bool selectClicked(const TDsnMouse &m, bool toggle);
    void startMove(const TDsnMouse &m);
    void endDrag();

    Drag m_drag = Drag::None;
    QPointer<QWidget> m_container;
    QPoint m_start;
    std::unique_ptr<TMultiShape> m_moveOutline;
    std::unique_ptr<TMultiShape> m_creationOutline;
    std::unique_ptr<TMultiShape> m_band;
    int m_moveWidth = 8;
    int m_moveHeight = 8;
    int m_outlineColor = dsn::kGray;
    int m_outlineWidth = 2;

private:
    friend class TDsnAgent;
    bool agentEvent(TDsnAgent *agent, QObject *watched, QEvent *event);
    TDsnMouse mouseOf(QWidget *hooked, QObject *watched, const QMouseEvent *event) const;
    void agentTargetDestroyed(QObject *target);
    void showContextMenu(QPoint stagePos);
    std::optional<QRect> dockedPlace(const TControl *control, int dx, int dy) const;
    // Where moves and resizes are asked for: the edits receiver, or direct.
    TDesignEdits &requests() const { return m_edits ? *m_edits : TDesignEdits::direct(); }

    // Passes the freeing of a selected control on to SelectionEntryRemoving.
    struct EntryWatch : TSelectionReceiver {
        TDsnRegister *owner = nullptr;
        void selectionEntryNil(int, const QObject *gone) override
        {
            owner->SelectionEntryRemoving(gone);
        }
    } m_entryWatch;

    QPointer<TDsnStage> m_stage;
    QPointer<TDsnPanel> m_panel;
    QPointer<TCustomInspector> m_inspector;
    QPointer<TArrowButton> m_arrow;
    bool m_designMode = false;
    std::unique_ptr<TDsnSelection> m_selection;
    std::unique_ptr<TMultiHandler> m_handles;
    QPointer<TControl> m_created;
    QHash<const QObject *, TDsnAgent *> m_agents;
    // The parent of every agent.
    QObject *m_agentHolder = nullptr;
    QSet<const QObject *> m_excluded;
    QList<TDsnPartner *> m_partners;
    QList<TSelectionReceiver *> m_receivers;
    QPointer<QMenu> m_contextMenu;
    Qt::FocusPolicy m_stageFocusPolicy = Qt::NoFocus;
    bool m_pressed = false;
    bool m_passOn = false;
    QPointer<QWidget> m_pressControl;
    TDesignEdits *m_edits = nullptr;
};

// The controller for multiple selection: Shift toggles a control in the
// selection, and a drag that starts on the stage or with Ctrl held draws a
// rubber band that selects every child it touches.
class TDsnMlRegister : public TDsnRegister
{
    Q_OBJECT

public:
    using TDsnRegister::TDsnRegister;

    void MouseDown(const TDsnMouse &m) override;
    void MouseMove(const TDsnMouse &m) override;
    void MouseUp(const TDsnMouse &m) override;
    void SelectStart(const TDsnMouse &m) override;
    void MoveDrag(const TDsnMouse &m) override;
    void MoveEnd(const TDsnMouse &m) override;
    void SelectOnly(const TDsnMouse &m) override;
    virtual void BandStart(const TDsnMouse &m);
    virtual void BandDrag(const TDsnMouse &m);
    virtual void BandEnd(const TDsnMouse &m);
    virtual TMultiShape *NewBand(QPoint stageOrigin);
};

// The multiple-selection controller with eight grab handles per control.
class TDsn8Register : public TDsnMlRegister
{
    Q_OBJECT

public:
    using TDsnMlRegister::TDsnMlRegister;

    TMultiHandler *CreateHandleManager() override;
};

} // namespace tw
