#include "editors/EditorDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

namespace tw
{

namespace
{

class TStandardDialogs : public TEditorDialogs
{
public:
    QMessageBox::StandardButton Ask(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, title, text, buttons, parent);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    void ShowError(QWidget *parent, const QString &text) override
    {
        QMessageBox::critical(parent, QStringLiteral("Error"), text);
    }

    std::optional<QString> SaveFileName(QWidget *parent,
                                        const TFileDialogSettings &settings) override
    {
        return Run(parent, settings, QFileDialog::AcceptSave);
    }

    std::optional<QString> OpenFileName(QWidget *parent,
                                        const TFileDialogSettings &settings) override
    {
        return Run(parent, settings, QFileDialog::AcceptOpen);
    }

    std::optional<QFont> ChooseFont(QWidget *parent, const QFont &initial) override
    {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    }

private:
    static std::optional<QString> Run(QWidget *parent, const TFileDialogSettings &settings,
                                      QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, settings.Title, QString(), ConvertFilter(settings.Filter));
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                           : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(settings.DefaultExt);
        const QStringList filters = dialog.nameFilters();
        if (settings.FilterIndex && *settings.FilterIndex >= 0 &&
            *settings.FilterIndex < filters.size())
            dialog.selectNameFilter(filters.at(*settings.FilterIndex));
        if (!settings.FileName.isEmpty())
            dialog.selectFile(settings.FileName);
        // A read-only file is never handed back for saving; the dialog opens
        // again until another name is chosen or the user cancels.
        for (;;) {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
                return std::nullopt;
            if (settings.FilterIndex)
                *settings.FilterIndex = int(filters.indexOf(dialog.selectedNameFilter()));
            const QString path =
                ApplyDefaultExtension(dialog.selectedFiles().constFirst(), settings.DefaultExt);
            const QFileInfo info(path);
            if (mode != QFileDialog::AcceptSave || !info.exists() || info.isWritable()) {
                // As the platform's dialogs do, the chosen folder becomes the
                // working folder, where derived file names land.
                QDir::setCurrent(info.absolutePath());
                return path;
            }
            QMessageBox::warning(
                parent, settings.Title,
                QStringLiteral("%1 is read-only. Choose another name.").arg(info.fileName()));
        }
    }
};

TStandardDialogs StandardDialogs;
TEditorDialogs *CurrentDialogs = &StandardDialogs;

} // namespace

TEditorDialogs &EditorDialogs()
{
    return *CurrentDialogs;
}

void SetEditorDialogs(TEditorDialogs *dialogs)
{
    CurrentDialogs = dialogs ? dialogs : &StandardDialogs;
}

QString ConvertFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads its patterns from the caption's parentheses, so they are
        // written there from the pattern part; "*.*" would hide names without
        // a dot.
        QString text = parts[i].trimmed();
        if (text.endsWith(QLatin1Char(')')) && text.contains(QLatin1Char('(')))
            text = text.left(text.lastIndexOf(QLatin1Char('('))).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << text + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString ApplyDefaultExtension(const QString &path, const QString &defaultExt)
{
    const QString name = QFileInfo(path).fileName();
    if (defaultExt.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + defaultExt;
}

} // namespace tw
