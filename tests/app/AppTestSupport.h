#pragma once

#include "app/MainWindow.h"

#include <QDialog>
#include <QDir>
#include <QMdiSubWindow>
#include <QString>
#include <QTemporaryDir>

namespace tw
{

// The main window with every modal window closed at once, counted.
class QuietMain : public TfrmTilewrightMain
{
public:
    int modals = 0;
    int ExecModal(QDialog &dialog) override
    {
        ++modals;
        dialog.close();
        return QDialog::Rejected;
    }
};

// The frame that holds a child window of the main window.
inline QMdiSubWindow *subWindowOf(QWidget *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget());
}

// A temporary folder that is the working folder while it lives, as the file
// dialogs make the chosen file's folder.
class TWorkingFolder
{
public:
    TWorkingFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~TWorkingFolder() { QDir::setCurrent(m_previous); }
    TWorkingFolder(const TWorkingFolder &) = delete;
    TWorkingFolder &operator=(const TWorkingFolder &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace tw
