#pragma once

#include "dcl/Diagnostic.h"

#include <QList>
#include <QPointer>
#include <QString>

namespace tw
{

class TControl;
class TDCLPanel;

// One problem of a design: `tile` is the tile it concerns, the dialog tile when none is known.
struct DesignProblem {
    dcl::Severity severity = dcl::Severity::Error;
    QString rule;
    QString message;
    QPointer<TControl> tile;
};
using DesignProblems = QList<DesignProblem>;

// Checks a dialog design as it would be generated, writing nothing and leaving the design as it
// was. The DCL text GenerateDialogCode gives is read by the DCL checker (Checker.h), each of its
// problems placed on the tile whose block holds the line; then come the rules only the design
// knows:
//
// | rule           | kind    | reported when                                                   |
// |----------------|---------|-----------------------------------------------------------------|
// | duplicate-key  | warning | a second tile of the dialog has a key another tile has          |
// | key-format     | warning | a key is empty or holds a blank or a quote                      |
// | lisp-symbol    | error   | LinkToVar, or the name of DCL_Action (before its argument list) |
// |                |         | is not an AutoLISP symbol, or the action starts with "("        |
// | exit           | error   | Retirement_Button is errtile and no button is Default or Cancel |
// |                |         | or keyed "accept" or "cancel": the dialog cannot be closed      |
// | dialog-name    | error   | DialogName is not letters, digits and underscores starting with |
// |                |         | a letter (an empty name, written "no_name", is fine)            |
// | radio-split    | warning | radio buttons of one container are written as several radio     |
// |                |         | clusters because other tiles stand between them, so they stop   |
// |                |         | excluding each other in AutoCAD                                 |
//
// The DCL checker's own duplicate-key, key-format and exit findings are left to these rules,
// which name the tile. The checker's problems come first, in the order of the generated text,
// then the design's, tile by tile in the order they are written.
DesignProblems CheckDesign(TDCLPanel *dialog);

} // namespace tw
