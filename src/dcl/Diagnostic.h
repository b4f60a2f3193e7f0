#pragma once

#include <QList>
#include <QString>

namespace tw::dcl
{

// A place in a source file. Line and column count from 1 (the column counts characters, a tab
// being one); 0 means "the file as a whole". `file` is the name the file was opened by, or
// builtInFile() for the standard tiles the library defines itself.
struct Position {
    QString file;
    int line = 0;
    int column = 0;

    static QString builtInFile() { return QStringLiteral("<standard tiles>"); }
    bool isBuiltIn() const { return file == builtInFile(); }
    friend bool operator==(const Position &, const Position &) = default;
};

enum class Severity { Error, Warning };

// One problem found in a file. `rule` is a short stable name (the first column of the table in
// Checker.h), so tools and tests can tell the problems apart without reading the message.
struct Diagnostic {
    Severity severity = Severity::Error;
    Position where;
    QString rule;
    QString message;

    friend bool operator==(const Diagnostic &, const Diagnostic &) = default;
};

using Diagnostics = QList<Diagnostic>;

// Readers and the checker keep at most this many problems for one file and what it includes;
// the checker then says that more were found.
constexpr qsizetype kMaxDiagnostics = 1000;

// "FILE:LINE:COLUMN: error: MESSAGE", the form compilers use and editors understand.
QString formatDiagnostic(const Diagnostic &diagnostic);

} // namespace tw::dcl
