#pragma once

#include "dcl/Diagnostic.h"

#include <QObject>

namespace tw
{

class TSynEdit;

// Checks the text of a DCL or AutoLISP editor as it stands, unsaved edits included, and shows
// what it finds: a mark in the editor's symbol margin and a squiggle from the problem's column
// to the end of its line, and the messages of a line when the mouse rests on it. Each run replaces
// the previous one's marks. Problems of included files are kept in Problems(), not marked; the
// editor window lists them all in the Problems panel.
class TSourceCheck : public QObject
{
    Q_OBJECT

public:
    explicit TSourceCheck(TSynEdit *editor);

    // `path`: the file's name, for includes and for telling its own problems apart.
    void Run(bool lisp, const QString &path);
    const dcl::Diagnostics &Problems() const { return m_problems; }

private:
    void Clear();
    void Mark(const dcl::Diagnostic &problem);
    void Hover(int position, int x, int y);

    TSynEdit *m_editor;
    dcl::Diagnostics m_problems;
    QString m_path;
};

} // namespace tw
