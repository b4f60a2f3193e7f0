#pragma once

#include "component/Enums.h"
#include "tiles/GroupBox.h"
#include "tiles/TileAttributes.h"

namespace tw
{

// What the boxed column and boxed row share: a group box whose caption is the
// DCL label (the component name once the fresh tile is named), the cluster
// attributes with the toolkit's three-valued alignments, a linked variable,
// the IsRadioGroup mark, docking of newly inserted tiles to one edge (only the
// innermost container decides), radio exclusivity among its direct children,
// and KeyFillIn on every resize.
class TGroupCluster : public TGroupBox, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Enabled", "")
    Q_CLASSINFO("default:Tabstop", "True")
    Q_PROPERTY(tw::TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(tw::TAlignment Children_alignment READ childrenAlignment WRITE setChildrenAlignment)
    Q_PROPERTY(bool Children_fixed_height READ childrenFixedHeight WRITE setChildrenFixedHeight)
    Q_PROPERTY(bool Children_fixed_width READ childrenFixedWidth WRITE setChildrenFixedWidth)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Enabled READ enabledProp WRITE setEnabledProp)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(bool IsRadioGroup READ isRadioGroup WRITE setIsRadioGroup)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)

public:
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment value) { m_alignment = value; }
    TAlignment childrenAlignment() const { return m_childrenAlignment; }
    void setChildrenAlignment(TAlignment value) { m_childrenAlignment = value; }
    bool childrenFixedHeight() const { return m_childrenFixedHeight; }
    void setChildrenFixedHeight(bool value) { m_childrenFixedHeight = value; }
    bool childrenFixedWidth() const { return m_childrenFixedWidth; }
    void setChildrenFixedWidth(bool value) { m_childrenFixedWidth = value; }
    bool isRadioGroup() const { return m_isRadioGroup; }
    void setIsRadioGroup(bool value) { m_isRadioGroup = value; }

    bool acceptsControls() const override { return true; }
    void radioChecked(TControl *sender, bool checked) override;

protected:
    TGroupCluster(TOwner *owner, TAlign ownEdge, TAlign childEdge, QSize size);

    void controlListChange(TControl *child, bool inserted) override;
    void resized() override;

private:
    TAlign m_childEdge;
    TAlignment m_alignment = taLeftJustify;
    TAlignment m_childrenAlignment = taLeftJustify;
    bool m_childrenFixedHeight = false;
    bool m_childrenFixedWidth = false;
    bool m_isRadioGroup = false;
};

} // namespace tw
