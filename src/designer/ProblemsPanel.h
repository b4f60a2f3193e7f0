#pragma once

#include "codegen/DesignCheck.h"

#include <QDockWidget>
#include <QPointer>

class QTreeWidget;
class QTreeWidgetItem;

namespace tw
{

class TDCLPanel;
class TDsnRegister;

// The Problems panel of a design: a dock listing what Check Design found (kind, message, tile).
// Choosing a problem asks for its design to be shown in design mode (Choosing), then selects
// the problem's tile on the stage and shows it in the inspector; a problem whose tile was deleted
// since selects nothing. Each check replaces the list. Knows the design only through its dialog
// tile and its design controller, so it serves wherever the design window lives.
class TProblemsPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit TProblemsPanel(QWidget *parent = nullptr);

    // Checks the dialog as it would be generated and lists what was found; `designer` is the
    // controller of the stage the dialog is on. Shows the panel when `always` is set or
    // something was found. Returns the number of problems.
    qsizetype Check(TDCLPanel *dialog, TDsnRegister *designer, bool always);

    QTreeWidget *List() const { return m_list; }
    const DesignProblems &Problems() const { return m_problems; }

signals:
    // A problem's tile is about to be selected: its design window should come forward in design
    // mode, without which nothing can be selected.
    void Choosing();

private:
    void Choose(QTreeWidgetItem *item);

    QTreeWidget *m_list;
    QPointer<TDsnRegister> m_designer;
    DesignProblems m_problems;
};

} // namespace tw
