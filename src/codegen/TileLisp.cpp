#include "codegen/TileLisp.h"

#include "component/PropertyAccess.h"
#include "tiles/TextHelpers.h"

#include <QRegularExpression>

namespace tw
{
namespace
{

QString stringProperty(const QObject *tile, const char *name)
{
    QString value;
    GetStrPropByName(tile, QString::fromLatin1(name), value);
    return value;
}

QStringList linesProperty(const QObject *tile, const char *name)
{
    const TObjInfo info(tile);
    const int index = info.IndexOfProp(QString::fromLatin1(name));
    if (index < 0)
        return {};
    return publishedProperties(tile->metaObject())[index].read(tile).toStringList();
}

// The function name of an action text: up to its first "(", or all of it.
QString actionName(const QString &action)
{
    const qsizetype paren = action.indexOf(QLatin1Char('('));
    return paren < 0 ? action : action.left(paren);
}

// Whether AutoLISP reads `name` as a symbol: not empty, no white space, none
// of ( ) . ' " ; and not a number.
bool isSymbol(const QString &name)
{
    static const QRegularExpression notSymbol(
        QStringLiteral(R"(^$|[\s().'";]|^[+-]?\d+([eE][+-]?\d+)?$)"));
    return !notSymbol.match(name).hasMatch();
}

// The action as its function is defined: a bare name, trimmed, with the
// empty argument list that defun needs added; anything else as typed.
QString definedAction(const QString &action)
{
    const QString name = action.trimmed();
    if (name.contains(QLatin1Char('(')) || !isSymbol(name))
        return action;
    return name + QStringLiteral("()");
}

} // namespace

void WriteTileLisp(const QObject *tile, TLinkVariant variant, LispSections &lisp)
{
    const QString key = EscapeString(stringProperty(tile, "Key"));
    const QString action = definedAction(stringProperty(tile, "DCL_Action"));
    if (!action.trimmed().isEmpty()) {
        lisp.FunctionSection << QStringLiteral("(defun %1  ;Start of %1").arg(action);
        AddPrefixedLines(lisp.FunctionSection, linesProperty(tile, "LispCode"),
                         QStringLiteral("   "));
        lisp.FunctionSection << QStringLiteral(");End of %1").arg(action);
        lisp.InitSection << QStringLiteral("    (action_tile \"%1\" \"(%2)\")")
                                .arg(key, EscapeString(actionName(action)));
    }
    const QString variable = stringProperty(tile, "LinkToVar");
    if (variable.trimmed().isEmpty())
        return;
    switch (variant) {
    case TLinkVariant::String:
        lisp.SetSection << QStringLiteral("    (if %1 (set_tile \"%2\" %1))").arg(variable, key);
        lisp.GetSection << QStringLiteral("    (setq %1 (get_tile \"%2\" ))").arg(variable, key);
        return;
    case TLinkVariant::Real:
        lisp.SetSection
            << QStringLiteral("    (if %1 (set_tile \"%2\" (rtos %1 2)))").arg(variable, key);
        break;
    case TLinkVariant::Whole:
        lisp.SetSection
            << QStringLiteral("    (if %1 (set_tile \"%2\" (rtos %1 2 0)))").arg(variable, key);
        break;
    }
    lisp.GetSection << QStringLiteral("    (setq %1 (atof (get_tile \"%2\" )))").arg(variable, key);
}

} // namespace tw
