#pragma once

#include "editctl/EditorCommands.h"
#include "editctl/TextFile.h"

#include <Qsci/qsciscintilla.h>
#include <array>
#include <optional>
#include <vector>

namespace tw
{

class TSynCustomHighlighter;
class TSynLexer;
class TSynCompletionProposal;

enum class TSelectionMode { Normal, Column, Line };

// The toolkit's standard edit commands, which the control carries out itself.
enum class TEditAction { Cut, Copy, Paste, Delete, Undo, SelectAll };

// The source editing control of every editor window and of the code editor
// dialog. It answers exactly the keys of its key table (printable characters
// are typed), colours text through an attached highlighter, takes word
// boundaries for word moves and deletion from that highlighter's word
// characters, keeps ten bookmarks, and loads and saves files in the encoding
// and line ends they were read with. Shortcuts of menus and windows around it
// come before its own keys.
class TSynEdit : public QsciScintilla
{
    Q_OBJECT

public:
    explicit TSynEdit(QWidget *parent = nullptr);
    ~TSynEdit() override;

    // The text as lines without their line ends; a final line end does not
    // start another line.
    QStringList Lines() const;
    // Replaces the whole text; each line gets the file's line end.
    void SetLines(const QStringList &lines);

    std::optional<QString> LoadFromFile(const QString &path);
    std::optional<QString> SaveToFile(const QString &path);
    TTextFileFormat FileFormat() const { return m_format; }

    bool Modified() const;
    void SetModified(bool modified);

    QFont EditorFont() const;
    void SetEditorFont(const QFont &font);

    void SetHighlighter(TSynCustomHighlighter *highlighter);
    TSynCustomHighlighter *Highlighter() const;
    TSynLexer *Lexer() const { return m_lexer; }

    void SetCompletion(TSynCompletionProposal *completion) { m_completion = completion; }
    TSynCompletionProposal *Completion() const { return m_completion; }

    void SetKeyBindings(std::span<const TKeyBinding> bindings);
    void ExecuteCommand(TEditorCommand command);

    TSelectionMode SelectionMode() const { return m_selectionMode; }
    bool InsertMode() const { return !overwriteMode(); }

    // Line of bookmark 0 to 9, or -1 when it is not set.
    int BookmarkLine(int mark) const;

    long CaretPos() const;
    long AnchorPos() const;
    bool HasSelection() const { return hasSelectedText(); }
    bool CanPaste() const;
    bool CanUndo() const { return isUndoAvailable(); }
    bool CanRedo() const { return isRedoAvailable(); }
    // Deletes the selection, the standard Delete command.
    void DeleteSelection();

    // The control's own action for a standard edit command, kept enabled
    // exactly when the command can run: Cut and Copy with a selection, Paste
    // when the clipboard holds text, Undo when there is something to undo,
    // Delete and Select All always.
    QAction *StandardAction(TEditAction action) const;

signals:
    // Selection, text, undo state or clipboard changed: the enabled state of
    // Cut, Copy, Paste, Delete, Undo and Redo may differ now.
    void EditStateChanged();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct TMark {
        int Handle = -1;
        int Column = 0;
    };

    void Send(unsigned message) { SendScintilla(message); }
    void UpdateStandardActions();
    void MoveSelecting(unsigned plain, unsigned extend, unsigned rectExtend);
    void SelectLines(unsigned plain);
    void MoveToLine(int line, bool select);
    void PageTop(bool select);
    void PageBottom(bool select);
    void InsertLine();
    void ChangeBlockIndent(int delta);
    void SetMarker(int mark);
    void GotoMarker(int mark);
    void MatchBracket();
    long LineStart(long line) const;

    TSynLexer *m_lexer = nullptr;
    TSynCompletionProposal *m_completion = nullptr;
    std::vector<TKeyBinding> m_bindings;
    TTextFileFormat m_format;
    bool m_forceModified = false;
    TSelectionMode m_selectionMode = TSelectionMode::Normal;
    long m_lineAnchor = 0;
    long m_lineCaret = 0;
    std::pair<long, long> m_lastLineSelection{-1, -1};
    std::array<TMark, 10> m_marks{};
    std::array<QAction *, 6> m_standardActions{};
};

} // namespace tw
