#include "codegen/TileLisp.h"

#include "component/PropertyAccess.h"
#include "tiles/TextHelpers.h"

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

} // namespace

void WriteTileLisp(const QObject *tile, TLinkVariant variant, LispSections &lisp)
{
    const QString key = EscapeQuotes(stringProperty(tile, "Key"));
    const QString action = stringProperty(tile, "DCL_Action");
    if (!action.trimmed().isEmpty()) {
        lisp.FunctionSection << QStringLiteral("(defun %1  ;Start of %1").arg(action);
        AddPrefixedLines(lisp.FunctionSection, linesProperty(tile, "LispCode"),
                         QStringLiteral("   "));
        lisp.FunctionSection << QStringLiteral(");End of %1").arg(action);
        lisp.InitSection << QStringLiteral("    (action_tile \"%1\" \"(%2)\")")
                                .arg(key, EscapeQuotes(actionName(action)));
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
