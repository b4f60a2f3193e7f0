#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

namespace tw
{

// What the plain column and row share: a bevel-less panel with a 4-pixel
// border whose caption starts as a single blank, the cluster attributes, the
// dotted design frame while DCLDesign is set, docking of newly inserted tiles
// to one edge (only the innermost container decides), radio exclusivity among
// its direct children, and KeyFillIn on every resize.
class TClusterPanel : public TPanel, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Alignment", "")
    Q_CLASSINFO("default:Enabled", "")
    Q_CLASSINFO("default:Tabstop", "True")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(
        tw::dcl::TCadAlignment Children_alignment READ childrenAlignment WRITE setChildrenAlignment)
    Q_PROPERTY(bool Children_fixed_height READ childrenFixedHeight WRITE setChildrenFixedHeight)
    Q_PROPERTY(bool Children_fixed_width READ childrenFixedWidth WRITE setChildrenFixedWidth)
    Q_PROPERTY(bool DCLDesign READ dclDesign WRITE setDclDesign)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Enabled READ enabledProp WRITE setEnabledProp)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)

public:
    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    TCadAlignment childrenAlignment() const { return m_childrenAlignment; }
    void setChildrenAlignment(TCadAlignment value) { m_childrenAlignment = value; }
    bool childrenFixedHeight() const { return m_childrenFixedHeight; }
    void setChildrenFixedHeight(bool value) { m_childrenFixedHeight = value; }
    bool childrenFixedWidth() const { return m_childrenFixedWidth; }
    void setChildrenFixedWidth(bool value) { m_childrenFixedWidth = value; }
    bool dclDesign() const { return m_dclDesign; }
    // Repaints at once.
    void setDclDesign(bool value);

    bool acceptsControls() const override { return true; }
    void radioChecked(TControl *sender, bool checked) override;

protected:
    TClusterPanel(TOwner *owner, TAlign ownEdge, TAlign childEdge, QSize size);

    void controlListChange(TControl *child, bool inserted) override;
    void resized() override;
    void paintEvent(QPaintEvent *event) override;

private:
    TAlign m_childEdge;
    TCadAlignment m_alignment = TCadAlignment::Top;
    TCadAlignment m_childrenAlignment = TCadAlignment::Top;
    bool m_childrenFixedHeight = false;
    bool m_childrenFixedWidth = false;
    bool m_dclDesign = true;
};

} // namespace tw
