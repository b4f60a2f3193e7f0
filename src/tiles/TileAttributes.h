#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tw
{

class TControl;

// The DCL attributes most tiles share (Key, DCL_Action, LispCode, LinkToVar,
// Fixed_width, Fixed_height, Tabstop) as plain stored values. Each tile class
// publishes the ones it has; the LispCode list is the tile's own and assigning
// it copies the lines.
class TTileAttributes
{
public:
    QString key() const { return m_key; }
    void setKey(const QString &value) { m_key = value; }
    QString dclAction() const { return m_dclAction; }
    void setDclAction(const QString &value) { m_dclAction = value; }
    QStringList lispCode() const { return m_lispCode; }
    void setLispCode(const QStringList &value) { m_lispCode = value; }
    QString linkToVar() const { return m_linkToVar; }
    void setLinkToVar(const QString &value) { m_linkToVar = value; }
    bool fixedWidthFlag() const { return m_fixedWidth; }
    void setFixedWidthFlag(bool value) { m_fixedWidth = value; }
    bool fixedHeightFlag() const { return m_fixedHeight; }
    void setFixedHeightFlag(bool value) { m_fixedHeight = value; }
    bool tabstop() const { return m_tabstop; }
    void setTabstop(bool value) { m_tabstop = value; }

protected:
    // KeyFillIn: an empty key takes the component name. `trimmed` selects the
    // rule of most tiles (a key of blanks counts as empty) over the button's.
    void keyFillIn(const TControl *tile, bool trimmed);

private:
    QString m_key;
    QString m_dclAction;
    QStringList m_lispCode;
    QString m_linkToVar;
    bool m_fixedWidth = false;
    bool m_fixedHeight = false;
    bool m_tabstop = false;
};

// The inset of the wrapper tiles: in each direction in which the tile is
// larger than 8 pixels the inner control keeps 4 pixels off every edge; in the
// other directions it keeps its bounds.
void applyInnerInset(QWidget *inner, int tileWidth, int tileHeight);

// The toolkit's naming rule for controls that show their caption: while the
// caption equals the name, renaming the control (outside loading) renames the
// caption too, so a fresh tile shows its component name.
void captionFollowsName(TControl *control);

// Draws the dotted black frame that makes clusters and spacers visible while
// the design surface is in design mode.
void paintDesignFrame(QWidget *widget);

} // namespace tw
