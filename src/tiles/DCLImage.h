#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

namespace tw
{

class TSlideImage;

// What the image and image button tiles share: a panel with a raised inner
// and a lowered outer bevel holding a slide display inset by 4 pixels, which
// previews Image (a slide file, or slide SlideNo of a slide library) on the
// screen colour of BackColor. Image and SlideNo are kept as given even when
// the file cannot be read or the display clamps the slide number. Enabled
// lives in the slide display. An empty or blank key takes the component name
// on every resize.
class TImageTile : public TPanel, public TTileAttributes
{
    Q_OBJECT

public:
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment value) { m_alignment = value; }
    TBackColor backColor() const { return m_backColor; }
    // Repaints the preview on the colour's screen equivalent.
    void setBackColor(TBackColor value);
    bool isDefault() const { return m_default; }
    void setDefault(bool value) { m_default = value; }
    bool displayEnabled() const;
    void setDisplayEnabled(bool value);
    QString image() const { return m_image; }
    // Loads the file into the preview; a file that cannot be read shows only
    // the background.
    void setImage(const QString &value);
    int slideNo() const { return m_slideNo; }
    void setSlideNo(int value);
    // The library slide on show; empty for a single slide file.
    QString slideName() const;

    TSlideImage *slideDisplay() const { return m_display; }

protected:
    explicit TImageTile(TOwner *owner);

    void resized() override;
    void loaded() override;

private:
    TAlignment m_alignment = taLeftJustify;
    TBackColor m_backColor = TBackColor::black;
    bool m_default = false;
    QString m_image;
    int m_slideNo = 0;
    TSlideImage *m_display;
};

// The image tile (DCL image).
class TDCLImage : public TImageTile
{
    Q_OBJECT
    Q_CLASSINFO("default:Alignment", "")
    // The constructor's bevels, so that every bevel survives the stream.
    Q_CLASSINFO("default:BevelInner", "bvRaised")
    Q_CLASSINFO("default:BevelOuter", "bvLowered")
    Q_CLASSINFO("default:Default", "False")
    Q_CLASSINFO("default:Enabled", "")
    Q_CLASSINFO("default:Height", "60")
    Q_CLASSINFO("default:Width", "100")
    Q_PROPERTY(tw::TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(tw::dcl::TBackColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Enabled READ displayEnabled WRITE setDisplayEnabled)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Image READ image WRITE setImage)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(int SlideNo READ slideNo WRITE setSlideNo)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)

public:
    Q_INVOKABLE explicit TDCLImage(TOwner *owner);
};

} // namespace tw
