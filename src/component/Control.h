#pragma once

#include "component/Enums.h"
#include "component/Font.h"
#include "component/Method.h"
#include "format/Idents.h"

#include <QWidget>

namespace tw
{

class TOwner;

// Base of every control of a design: a widget with an owner that names it, a
// visual parent that may dock it, and the published base properties that the
// component stream stores (Name, Left, Top, Width, Height and the click,
// double-click and resize events). Subclasses re-publish the protected ones
// (Align, Caption, Color, Font, ...) as their classic counterparts do.
//
// Docking follows the classic rules: children docked top, bottom, left and
// right are laid out in that order, each group in order of position, inside
// alignRect(); a client-docked child takes what remains. Bounds changes go
// through setBounds(), which runs the resize handler synchronously whether or
// not the widget is shown.
class TControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ name WRITE setNameProperty STORED false)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(tw::TMethod OnClick READ onClick WRITE setOnClick)
    Q_PROPERTY(tw::TMethod OnDblClick READ onDblClick WRITE setOnDblClick)
    Q_PROPERTY(tw::TMethod OnResize READ onResize WRITE setOnResize)

public:
    explicit TControl(TOwner *owner);
    ~TControl() override;

    TOwner *owner() const { return m_owner; }
    QString name() const { return m_name; }
    // False when another component of the owner already has the name.
    bool setName(const QString &name);

    TControl *parentControl() const;
    // Inserts this control into `parent` (or removes it with nullptr) and
    // notifies both containers of the control-list change.
    void setParentControl(TControl *parent);
    QList<TControl *> childControls() const;

    int left() const { return x(); }
    int top() const { return y(); }
    void setLeft(int value) { setBounds(value, y(), width(), height()); }
    void setTop(int value) { setBounds(x(), value, width(), height()); }
    void setWidth(int value) { setBounds(x(), y(), value, height()); }
    void setHeight(int value) { setBounds(x(), y(), width(), value); }
    void setBounds(int left, int top, int width, int height);
    void setBounds(const QRect &rect)
    {
        setBounds(rect.x(), rect.y(), rect.width(), rect.height());
    }

    TAlign align() const { return m_align; }
    void setAlign(TAlign value);
    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    TColor color() const { return m_color; }
    void setColor(TColor value);
    TFont *tfont() const { return m_font; }
    void setTFont(TFont *value);
    bool parentFont() const { return m_parentFont; }
    void setParentFont(bool value);
    bool enabledProp() const { return m_enabled; }
    void setEnabledProp(bool value);
    bool visibleProp() const { return m_visible; }
    void setVisibleProp(bool value);
    int tabOrder() const { return m_tabOrder; }
    void setTabOrder(int value) { m_tabOrder = value; }

    TMethod onClick() const { return m_onClick; }
    void setOnClick(const TMethod &value) { m_onClick = value; }
    TMethod onDblClick() const { return m_onDblClick; }
    void setOnDblClick(const TMethod &value) { m_onDblClick = value; }
    TMethod onResize() const { return m_onResize; }
    void setOnResize(const TMethod &value) { m_onResize = value; }
    // Raises OnClick as a user click would.
    void click();

    // The area inside borders and bevels in which children are docked.
    virtual QRect alignRect() const;
    // Lays out the docked children; `trigger`, when given, wins ties of position.
    void realign(TControl *trigger = nullptr);
    void disableAlign() { ++m_alignDisabled; }
    void enableAlign();
    // Ends a disableAlign() without laying the children out: for bounds put
    // back exactly as an earlier layout left them.
    void resumeAlign();

    // Whether the control is being read from a stream; docking waits until
    // loading ends, then the loaded hook runs.
    bool isLoading() const { return m_loading; }
    void beginLoading() { m_loading = true; }
    void endLoading();

    // Whether the stream writes the property: the font only when it is the
    // control's own.
    virtual bool isPropertyStored(const QByteArray &name) const;

    // Whether tiles may be placed inside this control.
    virtual bool acceptsControls() const { return false; }
    // A radio tile among the direct children became checked (or unchecked).
    virtual void radioChecked(TControl *sender, bool checked);

signals:
    void captionChanged();

protected:
    // The control-list change of the classic toolkit: `child` was inserted
    // into or removed from this control.
    virtual void controlListChange(TControl *child, bool inserted);
    // The resize handler; runs after docked children have been laid out.
    virtual void resized() {}
    // Runs once after the control has been read from a stream.
    virtual void loaded() {}
    // Applies the font to what the control shows.
    virtual void fontChanged();

    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

    void invoke(const TMethod &method);

private:
    void setNameProperty(const QString &name) { setName(name); }
    void handleResize();

    TOwner *m_owner = nullptr;
    QString m_name;
    TAlign m_align = alNone;
    QString m_caption;
    TColor m_color = clBtnFace;
    TFont *m_font;
    bool m_parentFont = true;
    bool m_enabled = true;
    bool m_visible = true;
    int m_tabOrder = -1;
    TMethod m_onClick;
    TMethod m_onDblClick;
    TMethod m_onResize;

    QSize m_handledSize;
    int m_alignDisabled = 0;
    bool m_alignPending = false;
    bool m_aligning = false;
    bool m_loading = false;
};

} // namespace tw
