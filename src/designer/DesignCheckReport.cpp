#include "designer/DesignCheckReport.h"

#include "codegen/DesignCheck.h"
#include "component/Control.h"
#include "designer/DsnRegister.h"
#include "designer/Inspector.h"
#include "editors/ProblemsPanel.h"
#include "tiles/DCLPanel.h"

#include <QPointer>

namespace tw
{

qsizetype ReportDesignCheck(TProblemsPanel &panel, TDCLPanel *dialog, TDsnRegister *designer,
                            bool always, const std::function<void()> &choosing)
{
    const DesignProblems found = CheckDesign(dialog);
    const QPointer<TDsnRegister> stage = designer;
    TProblems problems;
    for (const DesignProblem &design : found) {
        TProblem problem{
            design.severity, design.message, design.tile ? design.tile->name() : QString(),
            QString(),       design.rule,    {}};
        problem.go = [stage, tile = design.tile, choosing] {
            if (!stage || !tile)
                return;
            choosing();
            stage->SelectControl(tile);
            if (TCustomInspector *inspector = stage->dsnInspector())
                inspector->showWindow();
        };
        problems.append(problem);
    }
    const QString caption = dialog->dialogCaption();
    panel.Report(dialog,
                 caption.isEmpty() ? QStringLiteral("Design")
                                   : QStringLiteral("Design: %1").arg(caption),
                 std::move(problems), always);
    return found.size();
}

} // namespace tw
