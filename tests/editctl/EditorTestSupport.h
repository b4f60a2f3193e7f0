#pragma once

#include "editctl/SynEdit.h"

#include <QKeyCombination>
#include <QString>
#include <QTest>
#include <vector>

namespace tw::test
{

// One user action: a key press or some typed text.
struct TStep {
    QKeyCombination Keys{};
    QString Text;
};

inline TStep K(Qt::KeyboardModifiers mods, Qt::Key key)
{
    return {QKeyCombination(mods, key), {}};
}

inline TStep K(Qt::Key key)
{
    return K(Qt::NoModifier, key);
}

inline TStep T(const QString &text)
{
    return {{}, text};
}

inline void Press(QWidget *target, const std::vector<TStep> &steps)
{
    for (const TStep &step : steps) {
        if (!step.Text.isEmpty())
            QTest::keyClicks(target, step.Text);
        else
            QTest::keyClick(target, step.Keys.key(), step.Keys.keyboardModifiers());
    }
}

inline QString DocText(const TSynEdit &editor)
{
    return editor.text();
}

inline void Select(TSynEdit &editor, long anchor, long caret)
{
    editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, anchor, caret);
    editor.SendScintilla(QsciScintillaBase::SCI_CHOOSECARETX);
}

} // namespace tw::test
