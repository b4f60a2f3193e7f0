#include "editors/SourceCheck.h"

#include "dcl/Checker.h"
#include "dcl/Document.h"
#include "editctl/SynEdit.h"

#include <QToolTip>

namespace tw
{
namespace
{

// Markers 0-9 are the editor's bookmarks.
constexpr int ErrorMarker = 10;
constexpr int WarningMarker = 11;
// Indicators below 8 belong to lexers.
constexpr int ProblemIndicator = 9;

} // namespace

TSourceCheck::TSourceCheck(TSynEdit *editor) : QObject(editor), m_editor(editor)
{
    setObjectName(QStringLiteral("SourceCheck"));
    editor->markerDefine(QsciScintilla::Circle, ErrorMarker);
    editor->setMarkerBackgroundColor(QColor(0xD0, 0x20, 0x20), ErrorMarker);
    editor->markerDefine(QsciScintilla::Circle, WarningMarker);
    editor->setMarkerBackgroundColor(QColor(0xE0, 0xA0, 0x00), WarningMarker);
    const int mask = int(editor->SendScintilla(QsciScintilla::SCI_GETMARGINMASKN, 1));
    editor->setMarginMarkerMask(1, mask | (1 << ErrorMarker) | (1 << WarningMarker));
    editor->indicatorDefine(QsciScintilla::SquiggleIndicator, ProblemIndicator);
    editor->setIndicatorForegroundColor(QColor(0xD0, 0x20, 0x20), ProblemIndicator);
    editor->SendScintilla(QsciScintilla::SCI_SETMOUSEDWELLTIME, 500);
    connect(editor, &QsciScintilla::SCN_DWELLSTART, this, &TSourceCheck::Hover);
    connect(editor, &QsciScintilla::SCN_DWELLEND, this, [] { QToolTip::hideText(); });
}

void TSourceCheck::Run(bool lisp, const QString &path)
{
    Clear();
    m_path = path;
    const QString text = m_editor->text();
    m_problems =
        lisp ? dcl::checkLisp(text, path) : dcl::checkDocument(dcl::Document::fromText(text, path));
    for (const dcl::Diagnostic &problem : m_problems)
        if (problem.where.file == path)
            Mark(problem);
}

void TSourceCheck::Clear()
{
    m_editor->markerDeleteAll(ErrorMarker);
    m_editor->markerDeleteAll(WarningMarker);
    m_editor->clearIndicatorRange(0, 0, qMax(m_editor->lines() - 1, 0),
                                  m_editor->lineLength(qMax(m_editor->lines() - 1, 0)),
                                  ProblemIndicator);
    m_problems.clear();
}

void TSourceCheck::Mark(const dcl::Diagnostic &problem)
{
    const int line = qMax(problem.where.line, 1) - 1;
    const int column = qMax(problem.where.column, 1) - 1;
    m_editor->markerAdd(line,
                        problem.severity == dcl::Severity::Error ? ErrorMarker : WarningMarker);
    const int end = m_editor->lineLength(line);
    if (column < end)
        m_editor->fillIndicatorRange(line, column, line, end, ProblemIndicator);
}

void TSourceCheck::Hover(int position, int x, int y)
{
    if (position < 0)
        return;
    int line = 0;
    int index = 0;
    m_editor->lineIndexFromPosition(position, &line, &index);
    QStringList messages;
    for (const dcl::Diagnostic &problem : m_problems)
        if (problem.where.file == m_path && problem.where.line - 1 == line)
            messages << problem.message;
    if (!messages.isEmpty())
        QToolTip::showText(m_editor->viewport()->mapToGlobal(QPoint(x, y)), messages.join(u'\n'),
                           m_editor);
}

} // namespace tw
