#include "editors/SourceCheck.h"

#include "dcl/Checker.h"
#include "dcl/Document.h"
#include "editctl/SynEdit.h"

#include <QFileInfo>
#include <QListWidget>
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
constexpr int ItemLine = Qt::UserRole;
constexpr int ItemColumn = Qt::UserRole + 1;

} // namespace

TSourceCheck::TSourceCheck(TSynEdit *editor)
    : QObject(editor), m_editor(editor), m_list(new QListWidget)
{
    setObjectName(QStringLiteral("SourceCheck"));
    m_list->setObjectName(QStringLiteral("Problems"));
    m_list->setAccessibleName(QStringLiteral("Problems"));
    m_list->setMaximumHeight(120);
    m_list->hide();
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
    connect(m_list, &QListWidget::itemActivated, this, &TSourceCheck::Choose);
    connect(m_list, &QListWidget::itemClicked, this, &TSourceCheck::Choose);
}

void TSourceCheck::Run(bool lisp, const QString &path)
{
    Clear();
    m_path = path;
    const QString text = m_editor->text();
    m_problems =
        lisp ? dcl::checkLisp(text, path) : dcl::checkDocument(dcl::Document::fromText(text, path));
    for (const dcl::Diagnostic &problem : m_problems)
        Show(problem, problem.where.file == path);
    m_list->setVisible(!m_problems.isEmpty());
}

void TSourceCheck::Clear()
{
    m_editor->markerDeleteAll(ErrorMarker);
    m_editor->markerDeleteAll(WarningMarker);
    m_editor->clearIndicatorRange(0, 0, qMax(m_editor->lines() - 1, 0),
                                  m_editor->lineLength(qMax(m_editor->lines() - 1, 0)),
                                  ProblemIndicator);
    m_list->clear();
    m_problems.clear();
}

void TSourceCheck::Show(const dcl::Diagnostic &problem, bool own)
{
    const bool error = problem.severity == dcl::Severity::Error;
    auto *item = new QListWidgetItem(
        QStringLiteral("%1:%2:%3: %4: %5")
            .arg(QFileInfo(problem.where.file).fileName())
            .arg(problem.where.line)
            .arg(problem.where.column)
            .arg(error ? QStringLiteral("error") : QStringLiteral("warning"), problem.message),
        m_list);
    item->setToolTip(problem.where.file);
    if (!own)
        return;
    const int line = qMax(problem.where.line, 1) - 1;
    const int column = qMax(problem.where.column, 1) - 1;
    item->setData(ItemLine, line);
    item->setData(ItemColumn, column);
    m_editor->markerAdd(line, error ? ErrorMarker : WarningMarker);
    const int end = m_editor->lineLength(line);
    if (column < end)
        m_editor->fillIndicatorRange(line, column, line, end, ProblemIndicator);
}

void TSourceCheck::Choose(QListWidgetItem *item)
{
    if (!item || !item->data(ItemLine).isValid())
        return;
    m_editor->setCursorPosition(item->data(ItemLine).toInt(), item->data(ItemColumn).toInt());
    m_editor->ensureLineVisible(item->data(ItemLine).toInt());
    m_editor->setFocus();
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
