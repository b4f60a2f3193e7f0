#pragma once

#include "tiles/DCLImage.h"

namespace tw
{

// The image button tile (DCL image_button): the image tile with Allow_accept.
class TDCLImageBtn : public TImageTile
{
    Q_OBJECT
    Q_CLASSINFO("default:Allow_accept", "False")
    Q_CLASSINFO("default:Alignment", "")
    // The constructor's bevels, so that every bevel survives the stream.
    Q_CLASSINFO("default:BevelInner", "bvRaised")
    Q_CLASSINFO("default:BevelOuter", "bvLowered")
    Q_CLASSINFO("default:Default", "False")
    Q_CLASSINFO("default:Enabled", "")
    Q_CLASSINFO("default:Height", "60")
    Q_CLASSINFO("default:Width", "100")
    Q_PROPERTY(tw::TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool Allow_accept READ allowAccept WRITE setAllowAccept)
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
    Q_INVOKABLE explicit TDCLImageBtn(TOwner *owner);

    bool allowAccept() const { return m_allowAccept; }
    void setAllowAccept(bool value) { m_allowAccept = value; }

private:
    bool m_allowAccept = false;
};

} // namespace tw
