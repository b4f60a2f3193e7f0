#pragma once

#include <QColor>
#include <QKeyCombination>
#include <QObject>
#include <QStringList>

class QKeyEvent;
class QListWidget;

namespace tw
{

class TSynEdit;

// The word-completion pop-up of an editor. It shows its whole item list in the
// stored order and moves the selection to the first entry that begins with the
// word before the caret (exact case). The word reaches back from the caret to
// the nearest blank, control byte or one of EndOfTokenChr on the caret's line.
// Choosing an entry replaces that word with the entry, trailing blank included.
class TSynCompletionProposal : public QObject
{
    Q_OBJECT

public:
    explicit TSynCompletionProposal(QObject *parent = nullptr);

    void SetEditor(TSynEdit *editor);
    TSynEdit *Editor() const { return m_editor; }

    QStringList ItemList() const { return m_items; }
    void SetItemList(const QStringList &items) { m_items = items; }

    QKeyCombination ShortCut() const { return m_shortCut; }
    int NbLinesInWindow() const { return m_lines; }
    void SetNbLinesInWindow(int lines) { m_lines = lines; }
    int Width() const { return m_width; }
    void SetWidth(int pixels) { m_width = pixels; }
    QColor ClSelect() const { return m_selectColour; }
    void SetClSelect(const QColor &colour) { m_selectColour = colour; }
    QByteArray EndOfTokenChr() const { return m_endOfToken; }

    // Opens the pop-up at the caret; false in a read-only editor.
    bool Execute();
    bool IsActive() const;
    // Index of the selected entry, or -1.
    int SelectedIndex() const;
    // The word the pop-up would replace, as it stands now.
    QByteArray CurrentWord() const;
    // The list widget while the pop-up is open.
    QListWidget *ListWidget() const;

    // Keys while the pop-up is open. True when the key was used up here;
    // false lets the editor handle it (a printable character extends the word).
    bool HandleKey(const QKeyEvent &event);

private:
    TSynEdit *m_editor = nullptr;
    QStringList m_items;
    QKeyCombination m_shortCut{Qt::ControlModifier, Qt::Key_Space};
    int m_lines = 6;
    int m_width = 262;
    QColor m_selectColour{255, 255, 170};
    QByteArray m_endOfToken = "()[].";
};

} // namespace tw
