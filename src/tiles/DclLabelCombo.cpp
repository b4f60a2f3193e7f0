#include "tiles/DclLabelCombo.h"

#include <QComboBox>

namespace tw
{

TDCLCombo::TDCLCombo(TOwner *owner) : TPanel(owner)
{
    setBevelOuter(bvNone);
    setCaptionAlignment(taLeftJustify);
    m_combo = new QComboBox(this);
    m_combo->setEditable(false);
    m_combo->setGeometry(30, 0, 88, 21);
    captionFollowsName(this);
    connect(this, &TControl::captionChanged, m_combo,
            [this] { m_combo->setAccessibleName(caption()); });
    m_combo->setAccessibleName(QStringLiteral("Combo"));
    setBounds(x(), y(), 150, 21);
    m_combo->resize(m_combo->width(), height() - 2);
}

int TDCLCombo::editWidth() const
{
    return m_combo->width();
}

void TDCLCombo::setEditWidth(int value)
{
    m_combo->resize(std::max(0, value), m_combo->height());
    fitList();
}

bool TDCLCombo::listEnabled() const
{
    return m_combo->isEnabledTo(this);
}

void TDCLCombo::setListEnabled(bool value)
{
    m_combo->setEnabled(value);
}

QStringList TDCLCombo::list() const
{
    QStringList lines;
    for (int i = 0; i < m_combo->count(); ++i)
        lines.append(m_combo->itemText(i));
    return lines;
}

void TDCLCombo::setList(const QStringList &value)
{
    m_combo->clear();
    m_combo->addItems(value);
    for (int i = 0; i < m_combo->count(); ++i)
        m_combo->setItemData(i, QSize(0, kListItemHeight), Qt::SizeHintRole);
    m_combo->setCurrentIndex(value.isEmpty() ? -1 : 0);
}

void TDCLCombo::fitList()
{
    m_combo->move(width() - m_combo->width() - 2, m_combo->y());
}

void TDCLCombo::resized()
{
    fitList();
    keyFillIn(this, true);
}

void TDCLCombo::loaded()
{
    fitList();
}

} // namespace tw
