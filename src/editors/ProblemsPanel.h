#pragma once

#include "dcl/Diagnostic.h"

#include <QDockWidget>
#include <QList>
#include <QPointer>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace tw
{

// One entry of the Problems panel. `location` says where it is ("d.dcl:3:20" for a file, a
// tile's name for a design); `go` takes the user there and is empty when nothing can be shown.
struct TProblem {
    dcl::Severity severity = dcl::Severity::Error;
    QString message;
    QString location;
    QString locationTip;
    QString rule;
    std::function<void()> go;
};
using TProblems = QList<TProblem>;

// The main window's one Problems panel: a dock listing what the checks of its windows found,
// under one heading per window (its title and a count). Each window (the source) reports its
// whole list at once, which replaces the entries it reported before and leaves the others; when
// the source is destroyed its entries go. Choosing an entry runs its `go`.
class TProblemsPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit TProblemsPanel(QWidget *parent = nullptr);

    // Lists `problems` under `label` in place of what `source` reported before. Shows the panel,
    // scrolled to them, when `always` is set or there is something to list.
    void Report(QObject *source, const QString &label, TProblems problems, bool always);
    TProblems Problems(const QObject *source) const;
    QTreeWidget *List() const { return m_list; }

private:
    struct Group {
        const QObject *source;
        TProblems problems;
        QTreeWidgetItem *item;
    };

    void Forget(const QObject *source);
    void Choose(QTreeWidgetItem *item);
    qsizetype indexOf(const QObject *source) const;

    QTreeWidget *m_list;
    QList<Group> m_groups;
};

} // namespace tw
