#pragma once

#include "dcl/Layout.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>

class QButtonGroup;
class QAction;
class QComboBox;
class QLabel;
class QStatusBar;

namespace tw
{

// The character cell and text measure of `font`, for the layout engine: one width unit is the
// average width of the 52 letters (no more than a screen's width / 80), one height unit a line
// with its spacing.
dcl::LayoutFont previewLayoutFont(const QFont &font);

// A dialog drawn with real widgets at the places the layout engine gives, behaving as the dialog
// would: radio buttons exclusive within their cluster, lists filled from `list`, `value` shown,
// `edit_limit` enforced, `is_enabled` honoured, tab order from `is_tab_stop`. The view keeps its
// own copy of the dialog, so the document it came from may go.
class DclDialogView : public QWidget
{
    Q_OBJECT

public:
    explicit DclDialogView(QWidget *parent = nullptr);

    // Replaces the widgets with those of `dialog`, laid out with this widget's font; the view
    // takes the dialog's client size.
    void showDialog(const dcl::Tile &dialog);

    // The dialog's title: its `value` when set, else its `label`.
    QString title() const { return m_title; }
    const dcl::DialogLayout &layout() const { return m_layout; }
    // The widget drawn for the tile with `key` (for an edit_box, popup_list or list_box, the
    // input part), or nullptr.
    QWidget *widgetFor(const QString &key) const;
    QAbstractButton *defaultButton() const { return m_defaultButton; }
    QAbstractButton *cancelButton() const { return m_cancelButton; }

signals:
    // An exit button (OK, Cancel, Help, Info, or any default, cancel, `accept` or `cancel`
    // button) was pressed.
    void exitPressed(const QString &key);

private:
    void build(const dcl::PlacedTile &placed, bool enabled, QButtonGroup *radios,
               QList<QWidget *> &tabStops);
    QWidget *buildLeaf(const dcl::PlacedTile &placed, QButtonGroup *radios);

    dcl::Tile m_dialog;
    dcl::DialogLayout m_layout;
    QString m_title;
    std::map<QString, QPointer<QWidget>> m_byKey;
    QPointer<QAbstractButton> m_defaultButton;
    QPointer<QAbstractButton> m_cancelButton;
    QWidget *m_content = nullptr;
};

// The Preview Dialog window: the dialog a DCL text defines, with its label as the window title
// and a status line. It follows a source (a DCL editor's text, a design's generated DCL) after a
// short pause; while the text has errors the last good preview stays and the first problem shows
// in the status line. When the text defines several dialogs a list chooses one, remembered per
// file. Enter presses the default button, Esc the cancel button, and any exit button closes the
// window.
class DclPreviewWindow : public QDialog
{
    Q_OBJECT

public:
    explicit DclPreviewWindow(QWidget *parent = nullptr);

    // Where the text comes from: `path` names it (includes are searched beside it, and the
    // dialog chosen is remembered for it); `text` gives the current text.
    void setSource(const QString &path, std::function<QString()> text);
    // The source changed: the preview follows after a short pause.
    void sourceChanged();
    // Reads the source now. False when it could not be previewed (the reason is in the status
    // line).
    bool refresh();

    // The dialog to show (empty = the one remembered for the file, else the first).
    void chooseDialog(const QString &name);
    QString dialogName() const { return m_dialogName; }
    QStringList dialogNames() const { return m_names; }
    QString statusText() const;
    DclDialogView *view() const { return m_view; }

    // How long the preview waits after a change before following it.
    static constexpr int kFollowDelayMs = 400;

public slots:
    void reject() override;

private:
    void rememberChoice();

    QString m_shownText; // the text of the preview shown, so an unchanged text is not rebuilt
    DclDialogView *m_view;
    QComboBox *m_chooser;
    QStatusBar *m_status;
    QTimer m_follow;
    QString m_path;
    std::function<QString()> m_text;
    QString m_dialogName;
    QStringList m_names;
};

// Gives a window (a DCL editor, the design window) its Preview command: an action, F5 while the
// focus is in the window, that opens the preview window of the window's DCL and keeps it
// following the source while it is open.
class DclPreviewLink : public QObject
{
    Q_OBJECT

public:
    // `path` names the source (includes, the remembered dialog); `text` gives its DCL.
    DclPreviewLink(QWidget *host, const QString &caption, std::function<QString()> path,
                   std::function<QString()> text);

    QAction *action() const { return m_action; }
    // The preview window, once opened.
    DclPreviewWindow *window() const { return m_window; }
    // Opens (or raises) the preview window, showing the source as it is now.
    void open();
    // The source changed: an open preview follows after a short pause.
    void sourceChanged();

private:
    QWidget *m_host;
    QAction *m_action;
    QPointer<DclPreviewWindow> m_window;
    std::function<QString()> m_path;
    std::function<QString()> m_text;
};

} // namespace tw
