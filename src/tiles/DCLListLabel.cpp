#include "tiles/DCLListLabel.h"

#include "tiles/DclLabelCombo.h"

#include <QLabel>
#include <QListWidget>

namespace tw
{

TDCLListLabel::TDCLListLabel(TOwner *owner) : TPanel(owner)
{
    setBevelOuter(bvNone);
    // The label shows the caption; the panel itself draws no text.
    setCaption(QStringLiteral(" "));
    m_list = new QListWidget(this);
    m_list->setGeometry(2, 16, 225, 57);
    m_list->setUniformItemSizes(true);
    m_label = new QLabel(this);
    m_label->setGeometry(2, 0, 26, 13);
    setLabelCaption(QStringLiteral("Label"));
    // Sizing runs the resize handler, which fits both to the tile.
    setBounds(x(), y(), 150, 77);
}

QString TDCLListLabel::labelCaption() const
{
    return m_label->text();
}

void TDCLListLabel::setLabelCaption(const QString &value)
{
    if (isLoading())
        m_captionRead = true;
    m_label->setText(value);
    m_label->setAccessibleName(value);
    m_list->setAccessibleName(value);
}

bool TDCLListLabel::listEnabled() const
{
    return m_list->isEnabledTo(this);
}

void TDCLListLabel::setListEnabled(bool value)
{
    m_list->setEnabled(value);
    m_label->setEnabled(value);
}

QStringList TDCLListLabel::list() const
{
    QStringList lines;
    for (int i = 0; i < m_list->count(); ++i)
        lines.append(m_list->item(i)->text());
    return lines;
}

void TDCLListLabel::setList(const QStringList &value)
{
    m_list->clear();
    for (const QString &line : value) {
        auto *item = new QListWidgetItem(line, m_list);
        item->setSizeHint(QSize(0, kListItemHeight));
    }
}

bool TDCLListLabel::multipleSelect() const
{
    return m_list->selectionMode() == QAbstractItemView::MultiSelection;
}

void TDCLListLabel::setMultipleSelect(bool value)
{
    m_list->setSelectionMode(value ? QAbstractItemView::MultiSelection
                                   : QAbstractItemView::SingleSelection);
}

void TDCLListLabel::fitInnerControls()
{
    m_list->setGeometry(m_list->x(), m_list->y(), std::max(0, width() - 4),
                        std::max(0, height() - m_list->y() - 4));
    m_label->resize(std::max(0, width() - 4), m_label->height());
}

void TDCLListLabel::resized()
{
    fitInnerControls();
    keyFillIn(this, true);
}

void TDCLListLabel::loaded()
{
    if (!m_captionRead)
        setLabelCaption(QString());
    m_captionRead = false;
    fitInnerControls();
}

} // namespace tw
