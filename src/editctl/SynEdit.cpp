#include "editctl/SynEdit.h"

#include "editctl/SynCompletionProposal.h"
#include "editctl/SynLexer.h"
#include "highlight/SynHighlighter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <Qsci/qscicommandset.h>

namespace tw
{

namespace
{

using S = QsciScintillaBase;

constexpr int BlockIndent = 2;
constexpr int FirstMarker = 0;

// Shift with a digit gives the shifted symbol on a US keyboard; the bookmark
// keys are meant as Ctrl+Shift+digit whatever the symbol.
int DigitOfShiftedSymbol(int key)
{
    static const QByteArray symbols = ")!@#$%^&*(";
    const int at = key < 128 ? symbols.indexOf(static_cast<char>(key)) : -1;
    return at;
}

QKeyCombination Normalised(const QKeyEvent &event)
{
    const auto mods = event.modifiers() & ~Qt::KeypadModifier;
    int key = event.key();
    if ((mods & Qt::ShiftModifier) && (mods & Qt::ControlModifier)) {
        const int digit = DigitOfShiftedSymbol(key);
        if (digit >= 0)
            key = Qt::Key_0 + digit;
    }
    return QKeyCombination(mods, static_cast<Qt::Key>(key));
}

int ScintillaEolMode(TLineEnding ending)
{
    switch (ending) {
    case TLineEnding::Lf:
        return S::SC_EOL_LF;
    case TLineEnding::Cr:
        return S::SC_EOL_CR;
    case TLineEnding::CrLf:
        break;
    }
    return S::SC_EOL_CRLF;
}

} // namespace

TSynEdit::TSynEdit(QWidget *parent) : QsciScintilla(parent)
{
    setUtf8(true);
    standardCommands()->clearKeys();
    standardCommands()->clearAlternateKeys();
    SetKeyBindings(DefaultKeyBindings());
    SendScintilla(SCI_SETEOLMODE, ScintillaEolMode(m_format.LineEnding));
    SendScintilla(SCI_SETINDENT, BlockIndent);
    SendScintilla(SCI_SETTABWIDTH, 8);
    SendScintilla(SCI_SETUSETABS, 1);
    SendScintilla(SCI_SETTABINDENTS, 0);
    SendScintilla(SCI_SETBACKSPACEUNINDENTS, 0);

    m_lexer = new TSynLexer(this);
    setLexer(m_lexer);
    SetEditorFont(QFont(QStringLiteral("Courier New"), 10));

    setMarginType(1, SymbolMargin);
    setMarginWidth(1, 16);
    setMarginMarkerMask(1, 0x3FF);
    for (int mark = 0; mark < 10; ++mark)
        markerDefine(static_cast<char>('0' + mark), FirstMarker + mark);

    const std::pair<TEditAction, const char *> standard[] = {
        {TEditAction::Cut, "Cu&t"},     {TEditAction::Copy, "&Copy"},
        {TEditAction::Paste, "&Paste"}, {TEditAction::Delete, "&Delete"},
        {TEditAction::Undo, "&Undo"},   {TEditAction::SelectAll, "Select &All"},
    };
    for (const auto &entry : standard) {
        const TEditAction which = entry.first;
        auto *action = new QAction(QString::fromLatin1(entry.second), this);
        m_standardActions[static_cast<std::size_t>(which)] = action;
        connect(action, &QAction::triggered, this, [this, which] {
            switch (which) {
            case TEditAction::Cut:
                cut();
                break;
            case TEditAction::Copy:
                copy();
                break;
            case TEditAction::Paste:
                paste();
                break;
            case TEditAction::Delete:
                DeleteSelection();
                break;
            case TEditAction::Undo:
                undo();
                break;
            case TEditAction::SelectAll:
                ExecuteCommand(TEditorCommand::ecSelectAll);
                break;
            }
        });
    }
    connect(this, &TSynEdit::EditStateChanged, this, &TSynEdit::UpdateStandardActions);
    UpdateStandardActions();

    const auto changed = [this] { emit EditStateChanged(); };
    connect(this, &QsciScintilla::selectionChanged, this, changed);
    connect(this, &QsciScintilla::textChanged, this, changed);
    connect(this, &QsciScintilla::modificationChanged, this, changed);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, changed);
}

TSynEdit::~TSynEdit()
{
    setLexer(nullptr);
}

QStringList TSynEdit::Lines() const
{
    const QString all = text();
    if (all.isEmpty())
        return {};
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = all.split(breaks);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TSynEdit::SetLines(const QStringList &lines)
{
    const QString eol = QString::fromLatin1(LineEndingBytes(m_format.LineEnding));
    QString all;
    for (const QString &line : lines)
        all += line + eol;
    setText(all);
    emit EditStateChanged(); // setText also empties the undo list
}

std::optional<QString> TSynEdit::LoadFromFile(const QString &path)
{
    TDecodedText decoded;
    if (auto error = ReadTextFile(path, decoded))
        return error;
    m_format = decoded.Format;
    SendScintilla(SCI_SETEOLMODE, ScintillaEolMode(m_format.LineEnding));
    // By length, not as a C string, so a NUL byte in the file loses nothing.
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(decoded.Utf8.size()),
                  decoded.Utf8.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SetModified(false);
    return std::nullopt;
}

std::optional<QString> TSynEdit::SaveToFile(const QString &path)
{
    const long length = SendScintilla(SCI_GETLENGTH);
    const auto *chars = reinterpret_cast<const char *>(SendScintilla(SCI_GETCHARACTERPOINTER));
    TTextFileFormat format = m_format;
    const QByteArray bytes = EncodeText(QByteArray(chars, length), format);
    if (auto error = WriteTextFile(path, bytes))
        return error;
    m_format = format;
    SetModified(false);
    return std::nullopt;
}

bool TSynEdit::Modified() const
{
    return m_forceModified || isModified();
}

void TSynEdit::SetModified(bool modified)
{
    m_forceModified = modified;
    if (!modified)
        setModified(false);
    emit EditStateChanged();
}

QFont TSynEdit::EditorFont() const
{
    return m_lexer->BaseFont();
}

void TSynEdit::SetEditorFont(const QFont &font)
{
    m_lexer->SetBaseFont(font);
    setMarginsFont(font);
}

void TSynEdit::SetHighlighter(TSynCustomHighlighter *highlighter)
{
    m_lexer->SetHighlighter(highlighter);
    if (!highlighter) {
        SendScintilla(SCI_SETCHARSDEFAULT);
        return;
    }
    const TByteSet set = highlighter->IdentifierCharacters();
    QByteArray chars;
    for (int b = 1; b < 128; ++b)
        if (set[b])
            chars += static_cast<char>(b);
    SendScintilla(SCI_SETWORDCHARS, static_cast<uintptr_t>(0), chars.constData());
}

TSynCustomHighlighter *TSynEdit::Highlighter() const
{
    return m_lexer->Highlighter();
}

void TSynEdit::SetKeyBindings(std::span<const TKeyBinding> bindings)
{
    m_bindings.assign(bindings.begin(), bindings.end());
}

long TSynEdit::CaretPos() const
{
    return SendScintilla(SCI_GETCURRENTPOS);
}

long TSynEdit::AnchorPos() const
{
    return SendScintilla(SCI_GETANCHOR);
}

bool TSynEdit::CanPaste() const
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return !isReadOnly() && data && data->hasText();
}

void TSynEdit::DeleteSelection()
{
    SendScintilla(SCI_CLEAR);
}

QAction *TSynEdit::StandardAction(TEditAction action) const
{
    return m_standardActions[static_cast<std::size_t>(action)];
}

void TSynEdit::UpdateStandardActions()
{
    const bool selection = HasSelection();
    StandardAction(TEditAction::Cut)->setEnabled(selection && !isReadOnly());
    StandardAction(TEditAction::Copy)->setEnabled(selection);
    StandardAction(TEditAction::Paste)->setEnabled(CanPaste());
    StandardAction(TEditAction::Undo)->setEnabled(CanUndo());
}

int TSynEdit::BookmarkLine(int mark) const
{
    if (mark < 0 || mark > 9 || m_marks[mark].Handle < 0)
        return -1;
    return static_cast<int>(SendScintilla(SCI_MARKERLINEFROMHANDLE, m_marks[mark].Handle));
}

long TSynEdit::LineStart(long line) const
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    if (line >= lines)
        return SendScintilla(SCI_GETLENGTH);
    return SendScintilla(SCI_POSITIONFROMLINE, line);
}

bool TSynEdit::event(QEvent *event)
{
    // Only plain typing outranks window shortcuts; every other key goes to
    // the menus first.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                            !key->text().isEmpty() && key->text().at(0) >= QChar(' ');
        const bool completing = m_completion && m_completion->IsActive();
        if (typing || completing) {
            event->accept();
            return true;
        }
        return QWidget::event(event);
    }
    return QsciScintilla::event(event);
}

void TSynEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_completion) {
        if (m_completion->IsActive() && m_completion->HandleKey(*event))
            return;
        const QKeyCombination keys = Normalised(*event);
        if (keys == m_completion->ShortCut()) {
            m_completion->Execute();
            return;
        }
    }
    const QKeyCombination keys = Normalised(*event);
    for (const TKeyBinding &binding : m_bindings) {
        if (binding.Keys == keys) {
            ExecuteCommand(binding.Command);
            event->accept();
            return;
        }
    }
    const bool typing = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                        !event->text().isEmpty() && event->text().at(0) >= QChar(' ');
    if (typing && !isReadOnly()) {
        QsciScintilla::keyPressEvent(event);
        return;
    }
    event->ignore();
}

void TSynEdit::MoveSelecting(unsigned plain, unsigned extend, unsigned rectExtend)
{
    switch (m_selectionMode) {
    case TSelectionMode::Normal:
        Send(extend);
        break;
    case TSelectionMode::Column:
        Send(rectExtend);
        break;
    case TSelectionMode::Line:
        SelectLines(plain);
        break;
    }
}

void TSynEdit::SelectLines(unsigned plain)
{
    const std::pair<long, long> now{AnchorPos(), CaretPos()};
    if (now != m_lastLineSelection) {
        m_lineAnchor = m_lineCaret = CaretPos();
    }
    SendScintilla(SCI_GOTOPOS, m_lineCaret);
    Send(plain);
    m_lineCaret = CaretPos();
    const long anchorLine = SendScintilla(SCI_LINEFROMPOSITION, m_lineAnchor);
    const long caretLine = SendScintilla(SCI_LINEFROMPOSITION, m_lineCaret);
    if (caretLine >= anchorLine)
        SendScintilla(SCI_SETSEL, LineStart(anchorLine), LineStart(caretLine + 1));
    else
        SendScintilla(SCI_SETSEL, LineStart(anchorLine + 1), LineStart(caretLine));
    m_lastLineSelection = {AnchorPos(), CaretPos()};
}

void TSynEdit::MoveToLine(int line, bool select)
{
    const long column = SendScintilla(SCI_GETCOLUMN, CaretPos());
    const long target = SendScintilla(SCI_FINDCOLUMN, line, column);
    if (select)
        SendScintilla(SCI_SETCURRENTPOS, target);
    else
        SendScintilla(SCI_GOTOPOS, target);
    SendScintilla(SCI_CHOOSECARETX);
}

void TSynEdit::PageTop(bool select)
{
    const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    MoveToLine(static_cast<int>(SendScintilla(SCI_DOCLINEFROMVISIBLE, first)), select);
}

void TSynEdit::PageBottom(bool select)
{
    const long first = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long shown = std::max<long>(1, SendScintilla(SCI_LINESONSCREEN));
    const long last = SendScintilla(SCI_GETLINECOUNT) - 1;
    const long line = SendScintilla(SCI_DOCLINEFROMVISIBLE, first + shown - 1);
    MoveToLine(static_cast<int>(std::min(line, last)), select);
}

void TSynEdit::InsertLine()
{
    const long caret = CaretPos();
    Send(SCI_NEWLINE);
    SendScintilla(SCI_GOTOPOS, std::min(caret, CaretPos()));
}

void TSynEdit::ChangeBlockIndent(int delta)
{
    const long anchor = AnchorPos();
    const long caret = CaretPos();
    const long start = std::min(anchor, caret);
    const long end = std::max(anchor, caret);
    const long first = SendScintilla(SCI_LINEFROMPOSITION, start);
    long last = SendScintilla(SCI_LINEFROMPOSITION, end);
    if (last > first && end == LineStart(last))
        --last;

    // Anchor and caret keep their place in the text: a line start stays at the
    // line start, a place in or after the indentation moves with it.
    struct TPlace {
        long Line;
        long Offset;
    };
    const auto placeOf = [this](long pos) {
        const long line = SendScintilla(SCI_LINEFROMPOSITION, pos);
        return TPlace{line, pos - LineStart(line)};
    };
    TPlace places[2] = {placeOf(anchor), placeOf(caret)};
    long shifts[2] = {0, 0};

    Send(SCI_BEGINUNDOACTION);
    for (long line = first; line <= last; ++line) {
        const long oldWidth = SendScintilla(SCI_GETLINEINDENTPOSITION, line) - LineStart(line);
        const long indent = SendScintilla(SCI_GETLINEINDENTATION, line);
        SendScintilla(SCI_SETLINEINDENTATION, line, std::max(0L, indent + delta));
        const long newWidth = SendScintilla(SCI_GETLINEINDENTPOSITION, line) - LineStart(line);
        for (int i = 0; i < 2; ++i) {
            if (places[i].Line != line || places[i].Offset == 0)
                continue;
            shifts[i] = places[i].Offset >= oldWidth
                            ? newWidth - oldWidth
                            : std::min(places[i].Offset, newWidth) - places[i].Offset;
        }
    }
    Send(SCI_ENDUNDOACTION);
    SendScintilla(SCI_SETSEL, LineStart(places[0].Line) + places[0].Offset + shifts[0],
                  LineStart(places[1].Line) + places[1].Offset + shifts[1]);
}

void TSynEdit::SetMarker(int mark)
{
    const long line = SendScintilla(SCI_LINEFROMPOSITION, CaretPos());
    const bool here = BookmarkLine(mark) == line;
    if (m_marks[mark].Handle >= 0)
        SendScintilla(SCI_MARKERDELETEHANDLE, m_marks[mark].Handle);
    m_marks[mark] = {};
    if (here)
        return;
    m_marks[mark].Handle = static_cast<int>(SendScintilla(SCI_MARKERADD, line, FirstMarker + mark));
    m_marks[mark].Column = static_cast<int>(SendScintilla(SCI_GETCOLUMN, CaretPos()));
}

void TSynEdit::GotoMarker(int mark)
{
    const int line = BookmarkLine(mark);
    if (line < 0)
        return;
    SendScintilla(SCI_GOTOPOS, SendScintilla(SCI_FINDCOLUMN, line, m_marks[mark].Column));
}

void TSynEdit::MatchBracket()
{
    SendScintilla(SCI_COLOURISE, 0, -1);
    const long caret = CaretPos();
    long match = SendScintilla(SCI_BRACEMATCH, caret, 0L);
    if (match < 0 && caret > 0)
        match = SendScintilla(SCI_BRACEMATCH, caret - 1, 0L);
    if (match >= 0)
        SendScintilla(SCI_GOTOPOS, match);
}

void TSynEdit::ExecuteCommand(TEditorCommand command)
{
    using C = TEditorCommand;
    const int index = static_cast<int>(command);
    if (command >= C::ecGotoMarker0 && command <= C::ecGotoMarker9) {
        GotoMarker(index - static_cast<int>(C::ecGotoMarker0));
        return;
    }
    if (command >= C::ecSetMarker0 && command <= C::ecSetMarker9) {
        SetMarker(index - static_cast<int>(C::ecSetMarker0));
        return;
    }
    const bool editable = !isReadOnly();
    switch (command) {
    case C::ecUp:
        Send(SCI_LINEUP);
        break;
    case C::ecDown:
        Send(SCI_LINEDOWN);
        break;
    case C::ecLeft:
        Send(SCI_CHARLEFT);
        break;
    case C::ecRight:
        Send(SCI_CHARRIGHT);
        break;
    case C::ecPageUp:
        Send(SCI_PAGEUP);
        break;
    case C::ecPageDown:
        Send(SCI_PAGEDOWN);
        break;
    case C::ecLineStart:
        Send(SCI_HOME);
        break;
    case C::ecLineEnd:
        Send(SCI_LINEEND);
        break;
    case C::ecSelUp:
        MoveSelecting(SCI_LINEUP, SCI_LINEUPEXTEND, SCI_LINEUPRECTEXTEND);
        break;
    case C::ecSelDown:
        MoveSelecting(SCI_LINEDOWN, SCI_LINEDOWNEXTEND, SCI_LINEDOWNRECTEXTEND);
        break;
    case C::ecSelLeft:
        MoveSelecting(SCI_CHARLEFT, SCI_CHARLEFTEXTEND, SCI_CHARLEFTRECTEXTEND);
        break;
    case C::ecSelRight:
        MoveSelecting(SCI_CHARRIGHT, SCI_CHARRIGHTEXTEND, SCI_CHARRIGHTRECTEXTEND);
        break;
    case C::ecSelPageUp:
        MoveSelecting(SCI_PAGEUP, SCI_PAGEUPEXTEND, SCI_PAGEUPRECTEXTEND);
        break;
    case C::ecSelPageDown:
        MoveSelecting(SCI_PAGEDOWN, SCI_PAGEDOWNEXTEND, SCI_PAGEDOWNRECTEXTEND);
        break;
    case C::ecSelLineStart:
        MoveSelecting(SCI_HOME, SCI_HOMEEXTEND, SCI_HOMERECTEXTEND);
        break;
    case C::ecSelLineEnd:
        MoveSelecting(SCI_LINEEND, SCI_LINEENDEXTEND, SCI_LINEENDRECTEXTEND);
        break;
    case C::ecScrollUp:
        Send(SCI_LINESCROLLUP);
        break;
    case C::ecScrollDown:
        Send(SCI_LINESCROLLDOWN);
        break;
    case C::ecWordLeft:
        Send(SCI_WORDLEFT);
        break;
    case C::ecWordRight:
        Send(SCI_WORDRIGHT);
        break;
    case C::ecSelWordLeft:
        MoveSelecting(SCI_WORDLEFT, SCI_WORDLEFTEXTEND, SCI_WORDLEFTEXTEND);
        break;
    case C::ecSelWordRight:
        MoveSelecting(SCI_WORDRIGHT, SCI_WORDRIGHTEXTEND, SCI_WORDRIGHTEXTEND);
        break;
    case C::ecPageTop:
        PageTop(false);
        break;
    case C::ecPageBottom:
        PageBottom(false);
        break;
    case C::ecSelPageTop:
        PageTop(true);
        break;
    case C::ecSelPageBottom:
        PageBottom(true);
        break;
    case C::ecEditorTop:
        Send(SCI_DOCUMENTSTART);
        break;
    case C::ecEditorBottom:
        Send(SCI_DOCUMENTEND);
        break;
    case C::ecSelEditorTop:
        MoveSelecting(SCI_DOCUMENTSTART, SCI_DOCUMENTSTARTEXTEND, SCI_DOCUMENTSTARTEXTEND);
        break;
    case C::ecSelEditorBottom:
        MoveSelecting(SCI_DOCUMENTEND, SCI_DOCUMENTENDEXTEND, SCI_DOCUMENTENDEXTEND);
        break;
    case C::ecToggleMode:
        Send(SCI_EDITTOGGLEOVERTYPE);
        break;
    case C::ecCopy:
        copy();
        break;
    case C::ecPaste:
        paste();
        break;
    case C::ecCut:
        cut();
        break;
    case C::ecDeleteChar:
        Send(SCI_CLEAR);
        break;
    case C::ecDeleteLastChar:
        Send(SCI_DELETEBACK);
        break;
    case C::ecDeleteLastWord:
        Send(SCI_DELWORDLEFT);
        break;
    case C::ecUndo:
        undo();
        break;
    case C::ecRedo:
        redo();
        break;
    case C::ecLineBreak:
        Send(SCI_NEWLINE);
        break;
    case C::ecInsertLine:
        if (editable)
            InsertLine();
        break;
    case C::ecSelectAll:
        SendScintilla(SCI_SETSEL, 0L, SendScintilla(SCI_GETLENGTH));
        break;
    case C::ecDeleteWord:
        Send(SCI_DELWORDRIGHT);
        break;
    case C::ecDeleteLine:
        Send(SCI_LINEDELETE);
        break;
    case C::ecDeleteEOL:
        Send(SCI_DELLINERIGHT);
        break;
    case C::ecBlockIndent:
        if (editable)
            ChangeBlockIndent(BlockIndent);
        break;
    case C::ecBlockUnindent:
        if (editable)
            ChangeBlockIndent(-BlockIndent);
        break;
    case C::ecNormalSelect:
        m_selectionMode = TSelectionMode::Normal;
        break;
    case C::ecColumnSelect:
        m_selectionMode = TSelectionMode::Column;
        break;
    case C::ecLineSelect:
        m_selectionMode = TSelectionMode::Line;
        break;
    case C::ecTab:
        Send(SCI_TAB);
        break;
    case C::ecShiftTab:
        Send(SCI_BACKTAB);
        break;
    case C::ecMatchBracket:
        MatchBracket();
        break;
    default:
        break;
    }
}

} // namespace tw
