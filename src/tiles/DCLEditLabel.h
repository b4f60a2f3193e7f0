#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"

class QLineEdit;

namespace tw
{

// The edit box tile (DCL edit_box): a panel whose own caption, drawn at its
// left edge, is the label, and a single-line edit kept flush right with a
// 2-pixel margin whatever the tile's width. Value, Edit_width, Edit_limit and
// Password_char live in the edit field. Enabled is the panel's plain flag, so
// the field stays usable at design time. An empty or blank key takes the
// component name on every resize.
class TDCLEdit : public TPanel, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Alignment", "taLeftJustify")
    Q_CLASSINFO("default:BevelOuter", "bvNone")
    Q_CLASSINFO("default:Height", "29")
    Q_CLASSINFO("default:Tabstop", "True")
    Q_PROPERTY(bool Allow_accept READ allowAccept WRITE setAllowAccept)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(int Edit_limit READ editLimit WRITE setEditLimit)
    Q_PROPERTY(int Edit_width READ editWidth WRITE setEditWidth)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(bool IsString READ isString WRITE setIsString)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(QChar Password_char READ passwordChar WRITE setPasswordChar)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)
    Q_PROPERTY(QString Value READ value WRITE setValue)

public:
    Q_INVOKABLE explicit TDCLEdit(TOwner *owner);

    bool allowAccept() const { return m_allowAccept; }
    void setAllowAccept(bool value) { m_allowAccept = value; }
    // 0: no limit.
    int editLimit() const;
    void setEditLimit(int value);
    int editWidth() const;
    // Also moves the field so that it stays flush right.
    void setEditWidth(int value);
    bool isString() const { return m_isString; }
    void setIsString(bool value) { m_isString = value; }
    // The zero character: no password character.
    QChar passwordChar() const;
    void setPasswordChar(QChar value);
    QString value() const;
    void setValue(const QString &value);

    QLineEdit *editField() const { return m_edit; }

protected:
    void resized() override;
    void loaded() override;

private:
    void fitEditField();

    bool m_allowAccept = false;
    bool m_isString = false;
    QLineEdit *m_edit;
};

} // namespace tw
