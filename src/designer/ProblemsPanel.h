#pragma once

#include "codegen/DesignCheck.h"

#include <QDockWidget>
#include <QPointer>

class QTreeWidget;
class QTreeWidgetItem;

namespace tw
{

class TfrmDialogDesign;

// The Problems panel of the design window: a dock listing what Check Design found (kind, message,
// tile). Choosing a problem turns design mode on if it was off, selects the problem's tile on
// the stage and shows it in the inspector; a problem whose tile was deleted since selects
// nothing. Each check replaces the list.
class TProblemsPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit TProblemsPanel(QWidget *parent = nullptr);

    // Checks `design` as it would be generated and lists what was found. Shows the panel when
    // `always` is set or something was found. Returns the number of problems.
    qsizetype Check(TfrmDialogDesign *design, bool always);

    QTreeWidget *List() const { return m_list; }
    const DesignProblems &Problems() const { return m_problems; }

signals:
    // A problem was chosen and its tile selected in `design`.
    void TileChosen(tw::TfrmDialogDesign *design);

private:
    void Choose(QTreeWidgetItem *item);

    QTreeWidget *m_list;
    QPointer<TfrmDialogDesign> m_design;
    DesignProblems m_problems;
};

} // namespace tw
