#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

class QComboBox;

namespace tw
{

// The popup list tile (DCL popup_list): a bevel-less panel whose own caption,
// drawn at its left edge, is the label, and a list-only drop-down list kept
// flush right with a 2-pixel margin whatever the tile's width. List,
// Edit_width and Enabled live in the drop-down list, which previews the first
// item as DCL does; Tabs, Value and ListItems are stored texts. An empty or
// blank key takes the component name on every resize.
class TDCLCombo : public TPanel, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Alignment", "")
    // The constructor's bevel, so that every bevel survives the stream.
    Q_CLASSINFO("default:BevelOuter", "bvNone")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:Height", "21")
    Q_CLASSINFO("default:Width", "150")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(int Edit_width READ editWidth WRITE setEditWidth)
    Q_PROPERTY(bool Enabled READ listEnabled WRITE setListEnabled)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(QStringList List READ list WRITE setList)
    Q_PROPERTY(QString ListItems READ listItems WRITE setListItems)
    Q_PROPERTY(QString Tabs READ tabs WRITE setTabs)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)
    Q_PROPERTY(QString Value READ value WRITE setValue)

public:
    Q_INVOKABLE explicit TDCLCombo(TOwner *owner);

    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    int editWidth() const;
    // Also moves the list so that it stays flush right.
    void setEditWidth(int value);
    bool listEnabled() const;
    void setListEnabled(bool value);
    QStringList list() const;
    // Copies the lines into the drop-down list.
    void setList(const QStringList &value);
    QString listItems() const { return m_listItems; }
    void setListItems(const QString &value) { m_listItems = value; }
    QString tabs() const { return m_tabs; }
    void setTabs(const QString &value) { m_tabs = value; }
    QString value() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }

    QComboBox *comboBox() const { return m_combo; }

protected:
    void resized() override;
    void loaded() override;

private:
    void fitList();

    TCadAlignment m_alignment = TCadAlignment::Top;
    QString m_listItems;
    QString m_tabs;
    QString m_value;
    QComboBox *m_combo;
};

// The height of one line in the previews of the list tiles, as in DCL's own.
inline constexpr int kListItemHeight = 13;

} // namespace tw
