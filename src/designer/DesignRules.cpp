#include "designer/DesignRules.h"

#include <QApplication>
#include <QMessageBox>

namespace tw
{

TDesignRules &TDesignRules::permissive()
{
    static TDesignRules rules;
    return rules;
}

void TDesignRules::reportError(const QString &message)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), message);
}

} // namespace tw
