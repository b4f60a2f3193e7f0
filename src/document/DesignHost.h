#pragma once

#include <QDialog>
#include <QString>
#include <optional>

namespace tw
{

class TArrowButton;
class TControl;
class TDsnPanel;

// What the dialog design window and the project controller take from the
// main window. The main window implements it; tests answer it themselves, so
// no modal dialog ever blocks them.
class TDesignHost
{
public:
    virtual ~TDesignHost() = default;

    // The component palette DsnPanel1 and its arrow button (either may be null).
    virtual TDsnPanel *DsnPanel1() = 0;
    virtual TArrowButton *ArrowButton() = 0;
    // CurrentProjectFile: the project path the file pickers store names against.
    virtual QString CurrentProjectFile() const = 0;
    // Shows OpenDialog1 with this filter ("Text (*.x)|*.x" notation) and default
    // extension and an empty file name; the chosen file, or nothing on cancel.
    virtual std::optional<QString> ExecuteOpenDialog1(const QString &filter,
                                                      const QString &defaultExt) = 0;
    // Presses (true) or releases the design-mode tool button btDesign.
    virtual void SetDesignButtonDown(bool down) = 0;
    // WhenRadioClick: a radio tile of the design was clicked.
    virtual void WhenRadioClick(TControl *radio) = 0;
    // The Edit menu, and the actions EditCopy, EditCut, EditPaste, EditUndo, EditRedo.
    virtual void EnableEditMenu(bool enabled) = 0;
    virtual void EnableEditActions(bool enabled) = 0;
    // Puts a project window (design window or project editor) into the
    // multiple-document area, normally as a QMdiSubWindow, and shows it.
    virtual void AdoptProjectWindow(QWidget *window) = 0;
    // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
    virtual int ExecModal(QDialog &dialog) { return dialog.exec(); }
};

} // namespace tw
