#pragma once

#include "dcl/Diagnostic.h"

#include <QObject>

class QListWidget;
class QListWidgetItem;

namespace tw
{

class TSynEdit;

// Checks the text of a DCL or AutoLISP editor as it stands, unsaved edits included, and shows
// what it finds: a mark in the editor's symbol margin and a squiggle from the problem's column
// to the end of its line, the messages of a line when the mouse rests on it, and a list of the
// problems (hidden while there is none) in which choosing one puts the cursor on it. Each run
// replaces the previous one's marks. Problems of included files are listed, not marked.
class TSourceCheck : public QObject
{
    Q_OBJECT

public:
    explicit TSourceCheck(TSynEdit *editor);

    // `path`: the file's name, for includes and for telling its own problems apart.
    void Run(bool lisp, const QString &path);
    const dcl::Diagnostics &Problems() const { return m_problems; }
    QListWidget *List() const { return m_list; }

private:
    void Clear();
    void Show(const dcl::Diagnostic &problem, bool own);
    void Choose(QListWidgetItem *item);
    void Hover(int position, int x, int y);

    TSynEdit *m_editor;
    QListWidget *m_list;
    dcl::Diagnostics m_problems;
    QString m_path;
};

} // namespace tw
