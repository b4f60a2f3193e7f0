#include "designer/ProblemsPanel.h"

#include "component/Control.h"
#include "designer/DialogDesign.h"
#include "designer/DsnRegister.h"
#include "designer/Inspector.h"
#include "tiles/DCLPanel.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace tw
{

TProblemsPanel::TProblemsPanel(QWidget *parent)
    : QDockWidget(QStringLiteral("Problems"), parent), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("ProblemsPanel"));
    setAccessibleName(QStringLiteral("Problems"));
    m_list->setObjectName(QStringLiteral("DesignProblems"));
    m_list->setAccessibleName(QStringLiteral("Design problems"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QStringLiteral("Kind"), QStringLiteral("Message"), QStringLiteral("Tile")});
    m_list->setRootIsDecorated(false);
    m_list->setWordWrap(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    setWidget(m_list);
    connect(m_list, &QTreeWidget::itemActivated, this, &TProblemsPanel::Choose);
    connect(m_list, &QTreeWidget::itemClicked, this, &TProblemsPanel::Choose);
}

qsizetype TProblemsPanel::Check(TfrmDialogDesign *design, bool always)
{
    m_design = design;
    m_problems =
        design && design->DCLPanelBasic ? CheckDesign(design->DCLPanelBasic) : DesignProblems();
    m_list->clear();
    for (const DesignProblem &problem : std::as_const(m_problems)) {
        auto *item = new QTreeWidgetItem(
            m_list, {problem.severity == dcl::Severity::Error ? QStringLiteral("error")
                                                              : QStringLiteral("warning"),
                     problem.message, problem.tile ? problem.tile->name() : QString()});
        item->setToolTip(1, problem.message);
    }
    if (m_problems.isEmpty()) {
        auto *item = new QTreeWidgetItem(
            m_list, {QString(), QStringLiteral("The design checks clean."), QString()});
        item->setFlags(Qt::ItemIsEnabled);
    }
    m_list->resizeColumnToContents(0);
    m_list->resizeColumnToContents(2);
    if (always || !m_problems.isEmpty()) {
        show();
        raise();
    }
    return m_problems.size();
}

void TProblemsPanel::Choose(QTreeWidgetItem *item)
{
    const qsizetype index = m_list->indexOfTopLevelItem(item);
    if (!m_design || index < 0 || index >= m_problems.size())
        return;
    TControl *tile = m_problems[index].tile;
    if (!tile)
        return;
    if (!m_design->DesignMode()) {
        m_design->TogleDesignState(true);
        m_design->FormActivate();
    }
    m_design->Dsn8Register1->SelectControl(tile);
    m_design->DsnInspector1->showWindow();
    emit TileChosen(m_design);
}

} // namespace tw
