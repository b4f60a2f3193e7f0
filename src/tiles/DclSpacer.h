#pragma once

#include "component/Panel.h"

namespace tw
{

// The spacer tile (DCL spacer): a bevel-less panel that takes no children and
// only takes up room; while DCLDesign is set it draws the dotted design frame
// (a change shows at its next repaint). Its key is never filled in.
class TDCLSpacer : public TPanel
{
    Q_OBJECT
    Q_PROPERTY(bool DCLDesign READ dclDesign WRITE setDclDesign)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)

public:
    Q_INVOKABLE explicit TDCLSpacer(TOwner *owner);

    bool dclDesign() const { return m_dclDesign; }
    void setDclDesign(bool value) { m_dclDesign = value; }
    bool fixedHeightFlag() const { return m_fixedHeight; }
    void setFixedHeightFlag(bool value) { m_fixedHeight = value; }
    bool fixedWidthFlag() const { return m_fixedWidth; }
    void setFixedWidthFlag(bool value) { m_fixedWidth = value; }
    QString key() const { return m_key; }
    void setKey(const QString &value) { m_key = value; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_dclDesign = true;
    bool m_fixedHeight = false;
    bool m_fixedWidth = false;
    QString m_key;
};

} // namespace tw
