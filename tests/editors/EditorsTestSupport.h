#pragma once

#include "editors/EditorDialogs.h"

#include <QSettings>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace tw::test
{

// Answers the editor windows' questions and dialogs from queues the test
// fills, and records what was asked. Running out of answers fails the test.
class TScriptedDialogs : public TEditorDialogs
{
public:
    struct TQuestion {
        QString Title;
        QString Text;
        QMessageBox::Icon Icon;
        QMessageBox::StandardButtons Buttons;
    };

    TScriptedDialogs() { SetEditorDialogs(this); }
    ~TScriptedDialogs() override { SetEditorDialogs(nullptr); }

    QMessageBox::StandardButton Ask(QWidget *, const QString &title, const QString &text,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons) override
    {
        Questions.push_back({title, text, icon, buttons});
        if (Answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return QMessageBox::Yes;
        }
        const auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    void ShowError(QWidget *, const QString &text) override { Errors.push_back(text); }

    std::optional<QString> SaveFileName(QWidget *, const TFileDialogSettings &settings) override
    {
        SaveRequests.push_back(settings);
        if (SaveNames.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return std::nullopt;
        }
        const auto name = SaveNames.front();
        SaveNames.pop_front();
        return name;
    }

    std::optional<QString> OpenFileName(QWidget *, const TFileDialogSettings &) override
    {
        ADD_FAILURE() << "unexpected open dialog";
        return std::nullopt;
    }

    std::optional<QFont> ChooseFont(QWidget *, const QFont &initial) override
    {
        FontRequests.push_back(initial);
        if (Fonts.empty())
            return std::nullopt;
        const auto font = Fonts.front();
        Fonts.pop_front();
        return font;
    }

    std::deque<QMessageBox::StandardButton> Answers;
    std::deque<std::optional<QString>> SaveNames;
    std::deque<std::optional<QFont>> Fonts;
    std::vector<TQuestion> Questions;
    std::vector<TFileDialogSettings> SaveRequests;
    std::vector<QFont> FontRequests;
    std::vector<QString> Errors;
};

// Points the per-user settings at a fresh temporary folder for one test.
class TTemporarySettings
{
public:
    TTemporarySettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }

    static QSettings Store()
    {
        return QSettings(QStringLiteral("Orvane"), QStringLiteral("Tilewright"));
    }

private:
    QTemporaryDir m_dir;
};

} // namespace tw::test
