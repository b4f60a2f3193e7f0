#pragma once

#include <QFont>
#include <QMessageBox>
#include <QString>
#include <optional>

class QWidget;

namespace tw
{

// What a file dialog starts with. Filter uses the "Text (*.x)|*.x|All|*.*"
// notation; DefaultExt (without the dot) is added to a chosen name that has
// no extension. FilterIndex, when set, names the filter shown first and
// receives the one the user chose.
struct TFileDialogSettings {
    QString Title;
    QString Filter;
    QString DefaultExt;
    QString FileName;
    int *FilterIndex = nullptr;
};

// Every question, error box, file and font dialog of the editor windows goes
// through this interface, so tests can answer them without a modal box.
class TEditorDialogs
{
public:
    virtual ~TEditorDialogs() = default;
    virtual QMessageBox::StandardButton Ask(QWidget *parent, const QString &title,
                                            const QString &text, QMessageBox::Icon icon,
                                            QMessageBox::StandardButtons buttons) = 0;
    virtual void ShowError(QWidget *parent, const QString &text) = 0;
    // The chosen path, or nothing when the user cancels. Saving asks before
    // overwriting an existing file.
    virtual std::optional<QString> SaveFileName(QWidget *parent,
                                                const TFileDialogSettings &settings) = 0;
    virtual std::optional<QString> OpenFileName(QWidget *parent,
                                                const TFileDialogSettings &settings) = 0;
    virtual std::optional<QFont> ChooseFont(QWidget *parent, const QFont &initial) = 0;
};

// The dialogs in use: the standard Qt ones unless a replacement is set.
TEditorDialogs &EditorDialogs();
// Installs `dialogs` (not owned); nullptr goes back to the standard dialogs.
void SetEditorDialogs(TEditorDialogs *dialogs);

// "A (*.x;*.y)|*.x;*.y|All files|*.*" as Qt writes it: "A (*.x *.y);;All files (*)".
// The patterns come from the pattern parts, whatever the captions say.
QString ConvertFilter(const QString &filter);
// `path` with ".ext" added when its file name has no extension.
QString ApplyDefaultExtension(const QString &path, const QString &defaultExt);

} // namespace tw
