#include "editors/ProblemsPanel.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

namespace tw
{
namespace
{

QString Count(qsizetype count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

QString Summary(const TProblems &problems)
{
    if (problems.isEmpty())
        return QStringLiteral("checks clean");
    const auto errors = std::count_if(problems.begin(), problems.end(), [](const TProblem &p) {
        return p.severity == dcl::Severity::Error;
    });
    const qsizetype warnings = problems.size() - errors;
    QStringList parts;
    if (errors)
        parts << Count(errors, QStringLiteral("1 error"), QStringLiteral("%1 errors"));
    if (warnings)
        parts << Count(warnings, QStringLiteral("1 warning"), QStringLiteral("%1 warnings"));
    return parts.join(QStringLiteral(", "));
}

} // namespace

TProblemsPanel::TProblemsPanel(QWidget *parent)
    : QDockWidget(QStringLiteral("Problems"), parent), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("ProblemsPanel"));
    setAccessibleName(QStringLiteral("Problems"));
    m_list->setObjectName(QStringLiteral("ProblemList"));
    m_list->setAccessibleName(QStringLiteral("Problems found by the checks"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QStringLiteral("Kind"), QStringLiteral("Message"), QStringLiteral("Where")});
    m_list->setWordWrap(true);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    setWidget(m_list);
    connect(m_list, &QTreeWidget::itemActivated, this, &TProblemsPanel::Choose);
    connect(m_list, &QTreeWidget::itemClicked, this, &TProblemsPanel::Choose);
}

void TProblemsPanel::Report(QObject *source, const QString &label, TProblems problems, bool always)
{
    qsizetype index = indexOf(source);
    if (index < 0) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setFirstColumnSpanned(true);
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        m_groups.append({source, {}, item});
        connect(source, &QObject::destroyed, this, [this, source] { Forget(source); });
        index = m_groups.size() - 1;
    }
    Group *group = &m_groups[index];
    qDeleteAll(group->item->takeChildren());
    group->problems = std::move(problems);
    group->item->setText(0, QStringLiteral("%1 \u2014 %2").arg(label, Summary(group->problems)));
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const TProblem &problem : std::as_const(group->problems)) {
        const bool error = problem.severity == dcl::Severity::Error;
        auto *item = new QTreeWidgetItem(
            group->item, {error ? QStringLiteral("error") : QStringLiteral("warning"),
                          problem.message, problem.location});
        item->setIcon(0, error ? errorIcon : warningIcon);
        item->setToolTip(0, problem.rule);
        item->setToolTip(1, problem.message);
        item->setToolTip(2, problem.locationTip);
    }
    group->item->setExpanded(true);
    // A little air keeps the kind from running into the message.
    const int air = m_list->fontMetrics().averageCharWidth() * 2;
    for (int column : {0, 2}) {
        m_list->resizeColumnToContents(column);
        m_list->setColumnWidth(column, m_list->columnWidth(column) + air);
    }
    if (always || !group->problems.isEmpty()) {
        show();
        raise();
        // Other windows' entries may fill the view; the heading of what was just checked shows.
        m_list->scrollToItem(group->item, QAbstractItemView::PositionAtTop);
    }
}

TProblems TProblemsPanel::Problems(const QObject *source) const
{
    const qsizetype index = indexOf(source);
    return index < 0 ? TProblems() : m_groups[index].problems;
}

void TProblemsPanel::Forget(const QObject *source)
{
    const qsizetype index = indexOf(source);
    if (index < 0)
        return;
    delete m_groups[index].item;
    m_groups.removeAt(index);
}

void TProblemsPanel::Choose(QTreeWidgetItem *item)
{
    QTreeWidgetItem *heading = item ? item->parent() : nullptr;
    if (!heading)
        return;
    const qsizetype index = heading->indexOfChild(item);
    for (const Group &group : std::as_const(m_groups)) {
        if (group.item == heading && index >= 0 && index < group.problems.size()) {
            // Going there may report again, which replaces this entry.
            const std::function<void()> go = group.problems[index].go;
            if (go)
                go();
            return;
        }
    }
}

qsizetype TProblemsPanel::indexOf(const QObject *source) const
{
    for (qsizetype i = 0; i < m_groups.size(); ++i)
        if (m_groups[i].source == source)
            return i;
    return -1;
}

} // namespace tw
