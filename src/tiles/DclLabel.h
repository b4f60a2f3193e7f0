#pragma once

#include "component/Panel.h"
#include "tiles/TileEnums.h"

namespace tw
{

// The text tile (DCL text): the label itself, whose caption is the DCL label.
// Its own Alignment (a TCadAlignment, stored only) replaces the label's text
// alignment; Enabled is the label's plain flag. It sizes itself to its caption
// whenever the caption or font changes outside loading (in docked directions
// the container decides). An empty or blank key takes the component name on
// every resize.
class TDCLLabel : public TLabel
{
    Q_OBJECT
    Q_CLASSINFO("default:Alignment", "")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)

public:
    Q_INVOKABLE explicit TDCLLabel(TOwner *owner);

    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    bool fixedHeightFlag() const { return m_fixedHeight; }
    void setFixedHeightFlag(bool value) { m_fixedHeight = value; }
    bool fixedWidthFlag() const { return m_fixedWidth; }
    void setFixedWidthFlag(bool value) { m_fixedWidth = value; }
    QString key() const { return m_key; }
    void setKey(const QString &value) { m_key = value; }

protected:
    void resized() override;
    void fontChanged() override;

private:
    void adjustToCaption();

    TCadAlignment m_alignment = TCadAlignment::Top;
    bool m_fixedHeight = false;
    bool m_fixedWidth = false;
    QString m_key;
};

} // namespace tw
