#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

namespace tw
{

// Whether the arguments ask for a mode that runs without a window.
bool isCommandLineMode(const QStringList &arguments);

// Runs a window-less mode (--generate, --to-text, --check, --help, ...). Output
// goes to `out`; an error is one line on `err` with status 1. `arguments`
// excludes the program name.
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace tw
