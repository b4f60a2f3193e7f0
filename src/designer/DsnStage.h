#pragma once

#include "component/ComponentStreaming.h"
#include "component/Panel.h"
#include "designer/DesignRules.h"
#include "designer/DsnTypes.h"

#include <QMenu>
#include <QPointer>
#include <QStringList>

namespace tw
{

class TDsnRegister;
class TOutlineOverlay;

// Colour and pen width of the drag outlines and the step of the snap grid.
class TRubberband : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("idents:Color", "TColor")
    Q_CLASSINFO("default:Color", "clGray")
    Q_CLASSINFO("default:PenWidth", "2")
    Q_CLASSINFO("default:MoveWidth", "8")
    Q_CLASSINFO("default:MoveHeight", "8")
    Q_PROPERTY(int Color READ color WRITE setColor)
    Q_PROPERTY(int PenWidth READ penWidth WRITE setPenWidth)
    Q_PROPERTY(int MoveWidth READ moveWidth WRITE setMoveWidth)
    Q_PROPERTY(int MoveHeight READ moveHeight WRITE setMoveHeight)

public:
    explicit TRubberband(QObject *parent = nullptr) : QObject(parent) {}

    int color() const { return m_color; }
    void setColor(int value) { m_color = value; }
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int value) { m_penWidth = value; }
    int moveWidth() const { return m_moveWidth; }
    void setMoveWidth(int value) { m_moveWidth = value; }
    int moveHeight() const { return m_moveHeight; }
    void setMoveHeight(int value) { m_moveHeight = value; }

private:
    int m_color = dsn::kGray;
    int m_penWidth = 2;
    int m_moveWidth = 8;
    int m_moveHeight = 8;
};

// The design surface. Its child controls behave as ordinary controls until
// a controller switches design mode on; then the controller routes every
// press on them to itself and the stage keeps the keyboard: a release of
// Delete deletes the selection, Ctrl+C, Ctrl+X and Ctrl+V copy, cut and
// paste, Ctrl+A selects all, the arrows move or resize the selection. The design's rules come in
// through one rules object, permissive until one is set.
class TDsnStage : public TPanel
{
    Q_OBJECT
    Q_PROPERTY(QStringList SelfProps READ selfProps WRITE setSelfProps)
    Q_PROPERTY(QStringList OutProps READ outProps WRITE setOutProps)
    Q_PROPERTY(tw::TRubberband *Rubberband READ rubberband)
    Q_PROPERTY(QMenu *CoverMenu READ coverMenu WRITE setCoverMenu STORED false)

public:
    Q_INVOKABLE explicit TDsnStage(TOwner *owner);
    ~TDsnStage() override;

    QStringList selfProps() const { return m_selfProps; }
    void setSelfProps(const QStringList &value) { m_selfProps = value; }
    QStringList outProps() const { return m_outProps; }
    void setOutProps(const QStringList &value) { m_outProps = value; }
    TRubberband *rubberband() const { return m_rubberband; }
    QMenu *coverMenu() const { return m_coverMenu; }
    void setCoverMenu(QMenu *menu) { m_coverMenu = menu; }

    bool acceptsControls() const override { return true; }
    bool isDesigning() const { return m_designing; }
    void setDesigning(bool value) { m_designing = value; }
    TDsnRegister *dsnRegister() const;
    void setDsnRegister(TDsnRegister *value);
    TOutlineOverlay *overlay();

    TDesignRules &rules() const { return m_rules ? *m_rules : TDesignRules::permissive(); }
    // The stage does not own `rules`, which must outlive it or be unset.
    void setRules(TDesignRules *rules) { m_rules = rules; }

    // Hooks for reading components from a stream onto the stage: each read
    // component is told to the rules as loading, then as loaded once the
    // queue runs; with `created`, as created too.
    ReadHooks readHooks(bool created);
    void postControlCreated(TControl *control);
    // Queues putting a control that arrived later under design control.
    void postRehook(QWidget *control);
    // Asks for the grab handles to follow the selected controls.
    void refreshHandles();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

    void resized() override;

private:
    bool arrowKey(QKeyEvent *event);

    QStringList m_selfProps;
    QStringList m_outProps;
    TRubberband *m_rubberband;
    QPointer<QMenu> m_coverMenu;
    bool m_designing = false;
    QPointer<TDsnRegister> m_register;
    QPointer<TOutlineOverlay> m_overlay;
    TDesignRules *m_rules = nullptr;
};

} // namespace tw
