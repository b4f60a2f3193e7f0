#include "app/DesignStatus.h"

#include "component/ClassRegistry.h"
#include "component/Control.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace tw
{

TDesignStatus::TDesignStatus(QStatusBar *bar) : QObject(bar)
{
    m_selection = new QLabel(bar);
    m_selection->setObjectName(QStringLiteral("SelectionStatus"));
    m_selection->setAccessibleName(QStringLiteral("Selection"));
    m_mode = new QLabel(bar);
    m_mode->setObjectName(QStringLiteral("ModeStatus"));
    m_mode->setAccessibleName(QStringLiteral("Mode"));
    bar->addWidget(m_selection, 1);
    bar->addPermanentWidget(m_mode);
}

TDesignStatus::~TDesignStatus()
{
    watch(nullptr);
}

void TDesignStatus::watch(TDsnRegister *reg)
{
    if (m_reg)
        m_reg->RemoveReceiver(this);
    m_reg = reg;
    if (reg)
        reg->AddReceiver(this);
    showSelection();
}

void TDesignStatus::showMode(bool hasDesign, bool designing)
{
    m_mode->setText(!hasDesign  ? QString()
                    : designing ? QStringLiteral("Design mode")
                                : QStringLiteral("Run mode"));
    showSelection();
}

void TDesignStatus::showSelection()
{
    TDsnSelection *selection = m_reg ? m_reg->selection() : nullptr;
    const int count = selection && m_reg->designMode() ? selection->count() : 0;
    TControl *tile = count == 1 ? selection->at(0) : nullptr;
    if (m_tile != tile) {
        if (m_tile)
            m_tile->removeEventFilter(this);
        m_tile = tile;
        if (tile)
            tile->installEventFilter(this);
    }
    if (tile) {
        const QRect bounds = tile->geometry();
        const QString kind = KindOf ? KindOf(tile) : className(tile);
        m_selection->setText(QStringLiteral("%1 %2   Left %3, Top %4   Width %5, Height %6")
                                 .arg(kind, tile->name())
                                 .arg(bounds.x())
                                 .arg(bounds.y())
                                 .arg(bounds.width())
                                 .arg(bounds.height()));
    } else {
        m_selection->setText(count > 1 ? QStringLiteral("%1 tiles selected").arg(count)
                                       : QString());
    }
}

bool TDesignStatus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tile && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        showSelection();
    return QObject::eventFilter(watched, event);
}

void TDesignStatus::selectionAdded(TControl *)
{
    showSelection();
}

void TDesignStatus::selectionCleared()
{
    showSelection();
}

void TDesignStatus::selectionDeleted(int, TControl *)
{
    showSelection();
}

void TDesignStatus::selectionEntryNil(int, const QObject *)
{
    // The entry is gone from the list only afterwards; selectionDeleted follows.
}

void TDesignStatus::selectionUpdated()
{
    showSelection();
}

} // namespace tw
