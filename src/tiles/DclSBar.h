#pragma once

#include "component/Control.h"
#include "component/Enums.h"
#include "tiles/TileAttributes.h"

class QScrollBar;

namespace tw
{

// The slider tile (DCL slider): the toolkit's scroll bar itself, a stock
// scroll bar filling the whole tile. It publishes the scroll bar's own
// properties (Kind, Min, Max, Position, SmallChange, LargeChange, PageSize),
// from which the DCL slider attributes are written, then the tile's own.
// Value is Position, clamped to Min..Max by the scroll bar. Enabled is a
// plain flag, so the preview stays usable. Changing Kind outside loading
// swaps width and height, as the classic scroll bar does. An empty or blank
// key takes the component name on every resize.
class TDCLScrollBar : public TControl, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Align", "alNone")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:Kind", "sbHorizontal")
    Q_CLASSINFO("default:LargeChange", "1")
    Q_CLASSINFO("default:Max", "100")
    Q_CLASSINFO("default:Min", "0")
    Q_CLASSINFO("default:PageSize", "0")
    Q_CLASSINFO("default:Position", "0")
    Q_CLASSINFO("default:SmallChange", "1")
    Q_CLASSINFO("default:TabOrder", "-1")
    Q_CLASSINFO("default:Visible", "True")
    Q_CLASSINFO("default:Tabstop", "True")
    // The scroll bar's own.
    Q_PROPERTY(tw::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(bool Enabled READ enabledProp WRITE setEnabledProp)
    Q_PROPERTY(tw::TScrollBarKind Kind READ kind WRITE setKind)
    Q_PROPERTY(int LargeChange READ largeChange WRITE setLargeChange)
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int PageSize READ pageSize WRITE setPageSize)
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(int SmallChange READ smallChange WRITE setSmallChange)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool Visible READ visibleProp WRITE setVisibleProp)
    // The tile's own.
    Q_PROPERTY(tw::TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)
    Q_PROPERTY(int Value READ position WRITE setPosition)

public:
    Q_INVOKABLE explicit TDCLScrollBar(TOwner *owner);

    TScrollBarKind kind() const;
    void setKind(TScrollBarKind value);
    // The step of a click beside the thumb.
    int largeChange() const;
    void setLargeChange(int value);
    int max() const;
    void setMax(int value);
    int min() const;
    void setMin(int value);
    // The thumb's share of the range.
    int pageSize() const;
    void setPageSize(int value);
    int position() const;
    void setPosition(int value);
    int smallChange() const;
    void setSmallChange(int value);
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment value) { m_alignment = value; }

    QScrollBar *scrollBar() const { return m_bar; }

protected:
    void resized() override;

private:
    TAlignment m_alignment = taLeftJustify;
    QScrollBar *m_bar;
};

} // namespace tw
