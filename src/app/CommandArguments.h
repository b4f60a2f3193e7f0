#pragma once

#include <QHash>
#include <QStringList>

namespace tw
{

// The arguments of a window-less run, read against one table of modes and options: the mode
// word (--generate, --check, ...), the values that follow it, each option's values and the
// files --check reads. Every mode accepts only its own options; an option given where it does
// not belong, a value missing or an unknown word is a TError naming it.
struct CommandArguments {
    QString mode;
    QStringList operands;
    QHash<QString, QStringList> options;
    QStringList files;

    bool has(const QString &name) const { return options.contains(name); }
    // The option's value, or `fallback` when it was not given.
    QString option(const QString &name, const QString &fallback = {}) const
    {
        const auto found = options.constFind(name);
        return found == options.constEnd() ? fallback : found->constLast();
    }
};

CommandArguments parseCommandArguments(const QStringList &arguments);

} // namespace tw
