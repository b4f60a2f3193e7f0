#include "editctl/SynCompletionProposal.h"

#include "editctl/SynEdit.h"

#include <QKeyEvent>
#include <QListWidget>

namespace tw
{

namespace
{

using S = QsciScintillaBase;

// The list separator and the type separator must be bytes no entry holds.
constexpr char Separator = '\n';
constexpr char TypeSeparator = '\x1e';

} // namespace

TSynCompletionProposal::TSynCompletionProposal(QObject *parent) : QObject(parent)
{
}

void TSynCompletionProposal::SetEditor(TSynEdit *editor)
{
    if (m_editor && m_editor->Completion() == this)
        m_editor->SetCompletion(nullptr);
    m_editor = editor;
    if (m_editor)
        m_editor->SetCompletion(this);
}

QByteArray TSynCompletionProposal::CurrentWord() const
{
    if (!m_editor)
        return {};
    const long caret = m_editor->CaretPos();
    const long line = m_editor->SendScintilla(S::SCI_LINEFROMPOSITION, caret);
    const long lineStart = m_editor->SendScintilla(S::SCI_POSITIONFROMLINE, line);
    long start = caret;
    while (start > lineStart) {
        const auto byte =
            static_cast<unsigned char>(m_editor->SendScintilla(S::SCI_GETCHARAT, start - 1));
        if (byte <= 32 || m_endOfToken.contains(static_cast<char>(byte)))
            break;
        --start;
    }
    QByteArray word(static_cast<qsizetype>(caret - start), '\0');
    for (long pos = start; pos < caret; ++pos)
        word[static_cast<qsizetype>(pos - start)] =
            static_cast<char>(m_editor->SendScintilla(S::SCI_GETCHARAT, pos));
    return word;
}

bool TSynCompletionProposal::Execute()
{
    if (!m_editor || m_editor->isReadOnly())
        return false;
    QByteArray list;
    for (const QString &item : m_items) {
        if (!list.isEmpty())
            list += Separator;
        list += item.toUtf8();
    }
    auto *sci = m_editor;
    sci->SendScintilla(S::SCI_AUTOCSETSEPARATOR, Separator);
    sci->SendScintilla(S::SCI_AUTOCSETTYPESEPARATOR, TypeSeparator);
    sci->SendScintilla(S::SCI_AUTOCSETORDER, S::SC_ORDER_CUSTOM);
    sci->SendScintilla(S::SCI_AUTOCSETIGNORECASE, 0);
    sci->SendScintilla(S::SCI_AUTOCSETAUTOHIDE, 0);
    sci->SendScintilla(S::SCI_AUTOCSETCHOOSESINGLE, 0);
    sci->SendScintilla(S::SCI_AUTOCSETDROPRESTOFWORD, 0);
    sci->SendScintilla(S::SCI_AUTOCSETMAXHEIGHT, m_lines);
    sci->SendScintilla(S::SCI_AUTOCSTOPS, static_cast<uintptr_t>(0), "");
    sci->SendScintilla(S::SCI_AUTOCSETFILLUPS, static_cast<uintptr_t>(0), "");
    sci->SendScintilla(S::SCI_AUTOCSHOW, static_cast<uintptr_t>(CurrentWord().size()),
                       list.constData());
    if (QListWidget *widget = ListWidget()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Highlight, m_selectColour);
        palette.setColor(QPalette::HighlightedText, Qt::black);
        widget->setPalette(palette);
        widget->resize(m_width, widget->height());
    }
    return IsActive();
}

bool TSynCompletionProposal::IsActive() const
{
    return m_editor && m_editor->SendScintilla(S::SCI_AUTOCACTIVE) != 0;
}

int TSynCompletionProposal::SelectedIndex() const
{
    return IsActive() ? static_cast<int>(m_editor->SendScintilla(S::SCI_AUTOCGETCURRENT)) : -1;
}

QListWidget *TSynCompletionProposal::ListWidget() const
{
    if (!IsActive())
        return nullptr;
    for (QListWidget *widget : m_editor->findChildren<QListWidget *>())
        if (widget->isVisible())
            return widget;
    return nullptr;
}

bool TSynCompletionProposal::HandleKey(const QKeyEvent &event)
{
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    // Scintilla's list moves its selection by the line and page commands;
    // paging on until it stops reaches the first or the last entry.
    const auto selectEnd = [this](bool last) {
        for (int guard = 0; guard <= m_items.size(); ++guard) {
            const int before = SelectedIndex();
            m_editor->SendScintilla(last ? S::SCI_PAGEDOWN : S::SCI_PAGEUP);
            if (SelectedIndex() == before)
                break;
        }
    };
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true; // a modifier on its own changes nothing yet
    case Qt::Key_Up:
        if (ctrl)
            selectEnd(false);
        else
            m_editor->SendScintilla(S::SCI_LINEUP);
        return true;
    case Qt::Key_Down:
        if (ctrl)
            selectEnd(true);
        else
            m_editor->SendScintilla(S::SCI_LINEDOWN);
        return true;
    case Qt::Key_PageUp:
        m_editor->SendScintilla(S::SCI_PAGEUP);
        return true;
    case Qt::Key_PageDown:
        m_editor->SendScintilla(S::SCI_PAGEDOWN);
        return true;
    case Qt::Key_Home:
        if (!ctrl)
            break;
        selectEnd(false);
        return true;
    case Qt::Key_End:
        if (!ctrl)
            break;
        selectEnd(true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_editor->SendScintilla(S::SCI_AUTOCCOMPLETE);
        return true;
    case Qt::Key_Escape:
        m_editor->SendScintilla(S::SCI_AUTOCCANCEL);
        return true;
    case Qt::Key_Backspace:
        m_editor->SendScintilla(S::SCI_DELETEBACK);
        return true;
    default:
        break;
    }
    const QString text = event.text();
    const bool extends = !ctrl && !(event.modifiers() & Qt::AltModifier) && text.size() == 1 &&
                         text.at(0).unicode() >= 33 && text.at(0).unicode() <= 122;
    if (!extends)
        m_editor->SendScintilla(S::SCI_AUTOCCANCEL);
    return false;
}

} // namespace tw
