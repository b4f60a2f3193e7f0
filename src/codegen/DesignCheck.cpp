#include "codegen/DesignCheck.h"

#include "codegen/DialogCode.h"
#include "component/PropertyAccess.h"
#include "dcl/Checker.h"
#include "dcl/Document.h"
#include "tiles/DCLBtn.h"
#include "tiles/DCLPanel.h"
#include "tiles/DCLRadio.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace tw
{
namespace
{

// The container's tiles in the order the generator writes them.
QList<TControl *> writtenTiles(const TControl *container)
{
    QList<TControl *> tiles;
    for (TControl *child : container->childControls())
        if (IsWrittenAsTile(child))
            tiles << child;
    const bool columnOrder = LayoutDirection(container) == TDclDirection::Column;
    std::stable_sort(tiles.begin(), tiles.end(), [columnOrder](TControl *a, TControl *b) {
        return columnOrder ? a->top() < b->top() : a->left() < b->left();
    });
    return tiles;
}

bool isRadioButton(const TControl *tile)
{
    return qobject_cast<const TDCLRadio *>(tile) != nullptr;
}

// Pairs each tile of the read DCL with the design tile it was written from, by the line its
// block starts on. A radio wrapper the generator added, and the exit buttons, belong to the
// container.
void pairLines(const dcl::Tile &written, TControl *tile, QList<std::pair<int, TControl *>> &lines)
{
    lines.append({written.where.line, tile});
    const QList<TControl *> tiles = writtenTiles(tile);
    const bool wraps = !IsWrittenAsRadioCluster(tile);
    qsizetype next = 0;
    for (const dcl::Tile &child : written.children) {
        if (next >= tiles.size()) {
            lines.append({child.where.line, tile});
            continue;
        }
        const bool wrapper = wraps && isRadioButton(tiles[next]) &&
                             (child.kind == QLatin1String("radio_column") ||
                              child.kind == QLatin1String("radio_row"));
        if (!wrapper) {
            pairLines(child, tiles[next++], lines);
            continue;
        }
        lines.append({child.where.line, tile});
        for (const dcl::Tile &radio : child.children)
            if (next < tiles.size())
                pairLines(radio, tiles[next++], lines);
    }
}

TControl *tileAtLine(const QList<std::pair<int, TControl *>> &lines, int line, TControl *dialog)
{
    TControl *found = dialog;
    for (const auto &[start, tile] : lines)
        if (start <= line)
            found = tile;
    return found;
}

bool isDclName(const QString &name)
{
    static const QRegularExpression dclName(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    return dclName.match(name).hasMatch();
}

// The generated DCL text read by the DCL checker, each problem on its tile.
void checkGenerated(TDCLPanel *dialog, DesignProblems &problems)
{
    const QString name = dialog->dialogName();
    // A name DCL cannot hold is the dialog-name rule's; the rest of the text is still checked.
    if (!name.trimmed().isEmpty() && !isDclName(name.trimmed()))
        dialog->setDialogName(QStringLiteral("checked_dialog"));
    QStringList dcl;
    QStringList lisp;
    GenerateDialogCode(dialog, dcl, lisp);
    // The generator names an unnamed dialog; the check leaves the design as it was.
    dialog->setDialogName(name);

    const QString file = QStringLiteral("design.dcl");
    const dcl::Document document = dcl::Document::fromText(dcl.join(QLatin1Char('\n')), file);
    QList<std::pair<int, TControl *>> lines;
    if (!document.dialogs().empty())
        pairLines(*document.dialogs().front(), dialog, lines);
    static const QStringList ownRules = {QStringLiteral("duplicate-key"),
                                         QStringLiteral("key-format"), QStringLiteral("exit")};
    for (const dcl::Diagnostic &found : dcl::checkDocument(document)) {
        if (ownRules.contains(found.rule))
            continue;
        problems.append(
            {found.severity, found.rule,
             QStringLiteral("%1 (generated DCL line %2)").arg(found.message).arg(found.where.line),
             tileAtLine(lines, found.where.line, dialog)});
    }
}

QString stringProperty(const TControl *tile, const char *name)
{
    QString value;
    GetStrPropByName(tile, QLatin1String(name), value);
    return value;
}

bool hasProperty(const TControl *tile, const char *name)
{
    return tile->metaObject()->indexOfProperty(name) >= 0;
}

// What AutoLISP reads as a symbol: not empty, no white space, none of ( ) . ' " ; and not a
// number.
bool isSymbol(const QString &name)
{
    static const QRegularExpression notSymbol(
        QStringLiteral(R"(^$|[\s().'";|]|^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    return !notSymbol.match(name).hasMatch();
}

// The generator defines an action "name" or "name(arguments)" as typed.
bool isValidAction(const QString &action)
{
    const QString text = action.trimmed();
    const qsizetype paren = text.indexOf(QLatin1Char('('));
    if (paren < 0)
        return isSymbol(text);
    return isSymbol(text.left(paren).trimmed()) && text.endsWith(QLatin1Char(')'));
}

struct Walk {
    DesignProblems &problems;
    QHash<QString, TControl *> keys;
    bool closable = false;

    void tile(TControl *control)
    {
        checkKey(control);
        checkSymbols(control);
        if (const auto *button = qobject_cast<const TDCLButton *>(control)) {
            const QString key = button->key();
            closable = closable || button->isDefault() || button->cancel() ||
                       key == QLatin1String("accept") || key == QLatin1String("cancel");
        }
        container(control);
    }

    void container(TControl *control)
    {
        const QList<TControl *> tiles = writtenTiles(control);
        if (tiles.isEmpty())
            return;
        if (!IsWrittenAsRadioCluster(control)) {
            int runs = 0;
            bool inRun = false;
            for (const TControl *each : tiles) {
                const bool radio = isRadioButton(each);
                runs += radio && !inRun;
                inRun = radio;
            }
            if (runs > 1)
                problems.append(
                    {dcl::Severity::Warning, QStringLiteral("radio-split"),
                     QStringLiteral("The radio buttons of %1 are written as %2 separate radio "
                                    "clusters because other tiles stand between them: in AutoCAD "
                                    "each cluster excludes only within itself. Put them together "
                                    "or in a cluster of their own.")
                         .arg(control->name())
                         .arg(runs),
                     control});
        }
        for (TControl *each : tiles)
            tile(each);
    }

    void checkKey(TControl *control)
    {
        if (!hasProperty(control, "Key"))
            return;
        const QString key = stringProperty(control, "Key");
        static const QRegularExpression badKey(QStringLiteral(R"(^$|[\s"'])"));
        if (badKey.match(key).hasMatch()) {
            problems.append({dcl::Severity::Warning, QStringLiteral("key-format"),
                             key.isEmpty() ? QStringLiteral("The key is empty: AutoLISP cannot "
                                                            "reach the tile.")
                                           : QStringLiteral("The key \"%1\" holds a blank or a "
                                                            "quote: AutoLISP may not reach the "
                                                            "tile.")
                                                 .arg(key),
                             control});
            return;
        }
        if (TControl *first = keys.value(key)) {
            problems.append({dcl::Severity::Warning, QStringLiteral("duplicate-key"),
                             QStringLiteral("The key \"%1\" is also the key of %2: AutoLISP "
                                            "reaches only one of them.")
                                 .arg(key, first->name()),
                             control});
            return;
        }
        keys.insert(key, control);
    }

    void checkSymbols(TControl *control)
    {
        const QString variable = stringProperty(control, "LinkToVar").trimmed();
        if (!variable.isEmpty() && !isSymbol(variable))
            problems.append({dcl::Severity::Error, QStringLiteral("lisp-symbol"),
                             QStringLiteral("LinkToVar \"%1\" is not an AutoLISP symbol: the "
                                            "generated AutoLISP cannot set it.")
                                 .arg(variable),
                             control});
        const QString action = stringProperty(control, "DCL_Action");
        if (!action.trimmed().isEmpty() && !isValidAction(action))
            problems.append({dcl::Severity::Error, QStringLiteral("lisp-symbol"),
                             QStringLiteral("DCL_Action \"%1\" is not an AutoLISP function name "
                                            "(with an argument list in parentheses if any): the "
                                            "generated AutoLISP cannot define it.")
                                 .arg(action.trimmed()),
                             control});
    }
};

void checkDialog(TDCLPanel *dialog, DesignProblems &problems)
{
    const QString name = dialog->dialogName().trimmed();
    if (!name.isEmpty() && !isDclName(name))
        problems.append({dcl::Severity::Error, QStringLiteral("dialog-name"),
                         QStringLiteral("The dialog name \"%1\" is not a DCL name (letters, digits "
                                        "and underscores, starting with a letter): AutoCAD "
                                        "refuses the file.")
                             .arg(name),
                         dialog});
    Walk walk{problems, {}, false};
    walk.container(dialog);
    if (dialog->retirementButton() == TRetirementButton::errtile && !walk.closable)
        problems.append({dcl::Severity::Error, QStringLiteral("exit"),
                         QStringLiteral("The dialog has no OK or Cancel button: Retirement_Button "
                                        "is errtile and no button is Default or Cancel or keyed "
                                        "\"accept\" or \"cancel\", so the dialog cannot be "
                                        "closed."),
                         dialog});
}

} // namespace

DesignProblems CheckDesign(TDCLPanel *dialog)
{
    DesignProblems problems;
    if (!dialog)
        return problems;
    checkGenerated(dialog, problems);
    checkDialog(dialog, problems);
    return problems;
}

} // namespace tw
