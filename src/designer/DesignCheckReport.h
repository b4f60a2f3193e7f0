#pragma once

#include <QtGlobal>
#include <functional>

namespace tw
{

class TDCLPanel;
class TDsnRegister;
class TProblemsPanel;

// Checks the dialog as it would be generated (CheckDesign) and lists what was found in `panel`,
// under the dialog's caption and in place of the dialog's earlier entries; `designer` is the
// controller of the stage the dialog is on. Choosing a problem first calls `choosing`, which
// should bring the design window forward in design mode (without it nothing can be selected),
// then selects the problem's tile and shows it in the inspector; a problem whose tile was
// deleted since selects nothing. Shows the panel when `always` is set or something was found.
// Returns the number of problems.
qsizetype ReportDesignCheck(TProblemsPanel &panel, TDCLPanel *dialog, TDsnRegister *designer,
                            bool always, const std::function<void()> &choosing);

} // namespace tw
