#pragma once

#include "TestData.h"
#include "codegen/TileWriters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tw::test
{

// The lines of an expected file under the test data; "@DIR@" stands for `dir`.
inline QStringList expectedLines(const QString &file, const QString &dir = QString())
{
    QString text = QString::fromUtf8(readFile(repoTestData(file)));
    EXPECT_FALSE(text.isEmpty()) << qPrintable(file);
    text.replace(QLatin1String("@DIR@"), dir);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

// The four sections in the layout of the expected .lsp files.
inline QStringList sectionLines(const LispSections &lisp)
{
    QStringList lines;
    lines << QStringLiteral(";; InitSection") << lisp.InitSection;
    lines << QStringLiteral(";; SetSection") << lisp.SetSection;
    lines << QStringLiteral(";; GetSection") << lisp.GetSection;
    lines << QStringLiteral(";; FunctionSection") << lisp.FunctionSection;
    return lines;
}

} // namespace tw::test
