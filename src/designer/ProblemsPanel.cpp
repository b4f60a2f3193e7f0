#include "designer/ProblemsPanel.h"

#include "component/Control.h"
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

qsizetype TProblemsPanel::Check(TDCLPanel *dialog, TDsnRegister *designer, bool always)
{
    m_designer = designer;
    m_problems = CheckDesign(dialog);
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
    if (!m_designer || index < 0 || index >= m_problems.size())
        return;
    TControl *tile = m_problems[index].tile;
    if (!tile)
        return;
    emit Choosing();
    m_designer->SelectControl(tile);
    if (TCustomInspector *inspector = m_designer->dsnInspector())
        inspector->showWindow();
}

} // namespace tw
