#pragma once

#include "component/Panel.h"
#include "tiles/TileAttributes.h"
#include "tiles/TileEnums.h"

class QLabel;
class QListWidget;

namespace tw
{

// The list box tile (DCL list_box): a bevel-less panel with a caption label
// along its top and a list box filling the rest, 2 pixels in from the sides
// and 4 from the bottom whatever the tile's size. Caption lives in the label;
// List, Multiple_select and Enabled live in the list box, so the preview
// selects as the DCL list box will. Tabs, Value, ListItems and Allow_accept
// are stored values. The stream leaves out an empty caption, so a tile read
// without one gets an empty label rather than the constructor's. An empty or blank key takes the
// component name on every resize.
class TDCLListLabel : public TPanel, public TTileAttributes
{
    Q_OBJECT
    Q_CLASSINFO("default:Alignment", "")
    // The constructor's bevel, so that every bevel survives the stream.
    Q_CLASSINFO("default:BevelOuter", "bvNone")
    Q_CLASSINFO("default:Enabled", "True")
    Q_CLASSINFO("default:Height", "77")
    Q_CLASSINFO("default:Width", "150")
    Q_PROPERTY(tw::dcl::TCadAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool Allow_accept READ allowAccept WRITE setAllowAccept)
    Q_PROPERTY(QString Caption READ labelCaption WRITE setLabelCaption)
    Q_PROPERTY(QString DCL_Action READ dclAction WRITE setDclAction)
    Q_PROPERTY(bool Enabled READ listEnabled WRITE setListEnabled)
    Q_PROPERTY(bool Fixed_height READ fixedHeightFlag WRITE setFixedHeightFlag)
    Q_PROPERTY(bool Fixed_width READ fixedWidthFlag WRITE setFixedWidthFlag)
    Q_PROPERTY(QString Key READ key WRITE setKey)
    Q_PROPERTY(QString LinkToVar READ linkToVar WRITE setLinkToVar)
    Q_PROPERTY(QStringList LispCode READ lispCode WRITE setLispCode)
    Q_PROPERTY(QStringList List READ list WRITE setList)
    Q_PROPERTY(QString ListItems READ listItems WRITE setListItems)
    Q_PROPERTY(bool Multiple_select READ multipleSelect WRITE setMultipleSelect)
    Q_PROPERTY(QString Tabs READ tabs WRITE setTabs)
    Q_PROPERTY(bool Tabstop READ tabstop WRITE setTabstop)
    Q_PROPERTY(QString Value READ value WRITE setValue)

public:
    Q_INVOKABLE explicit TDCLListLabel(TOwner *owner);

    TCadAlignment alignment() const { return m_alignment; }
    void setAlignment(TCadAlignment value) { m_alignment = value; }
    bool allowAccept() const { return m_allowAccept; }
    void setAllowAccept(bool value) { m_allowAccept = value; }
    QString labelCaption() const;
    void setLabelCaption(const QString &value);
    bool listEnabled() const;
    // Greys the label with the list box.
    void setListEnabled(bool value);
    QStringList list() const;
    // Copies the lines into the list box.
    void setList(const QStringList &value);
    QString listItems() const { return m_listItems; }
    void setListItems(const QString &value) { m_listItems = value; }
    bool multipleSelect() const;
    void setMultipleSelect(bool value);
    QString tabs() const { return m_tabs; }
    void setTabs(const QString &value) { m_tabs = value; }
    QString value() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }

    QListWidget *listBox() const { return m_list; }
    QLabel *label() const { return m_label; }

protected:
    void resized() override;
    void loaded() override;

private:
    void fitInnerControls();

    TCadAlignment m_alignment = TCadAlignment::Top;
    bool m_allowAccept = false;
    bool m_captionRead = false;
    QString m_listItems;
    QString m_tabs;
    QString m_value;
    QListWidget *m_list;
    QLabel *m_label;
};

} // namespace tw
