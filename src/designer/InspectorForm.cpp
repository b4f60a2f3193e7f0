#include "designer/InspectorForm.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace tw
{
namespace
{

constexpr int kRowHeight = 18;

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// The names of an enumeration property's type, in declaration order.
QStringList enumNames(const QList<QObject *> &components, const QString &propName)
{
    if (components.isEmpty())
        return {};
    for (const QMetaProperty &property : publishedProperties(components.first()->metaObject())) {
        if (propName.compare(QLatin1String(property.name()), Qt::CaseInsensitive) != 0)
            continue;
        if (property.metaType() == QMetaType::fromType<bool>())
            return {QStringLiteral("False"), QStringLiteral("True")};
        QStringList names;
        const QMetaEnum meta = property.enumerator();
        for (int i = 0; i < meta.keyCount(); ++i)
            names.append(QString::fromLatin1(meta.key(i)));
        return names;
    }
    return {};
}

} // namespace

TInspectorFm::TInspectorFm(TDsnInspector *inspector) : m_inspector(inspector)
{
    setObjectName(QStringLiteral("InspectorFm"));
    Qt::WindowFlags flags = Qt::Tool;
    if (inspector->stayOnTop())
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    // Coming up with design mode must not take the keyboard from the window
    // the user is working in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(inspector->caption());
    setAccessibleName(inspector->caption());
    const TInspectorPos *pos = inspector->position();
    setGeometry(pos->Left, pos->Top, pos->Width, pos->Height);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The component drop-down is part of the window but never shown.
    m_componentPanel = new QWidget(this);
    m_componentPanel->setObjectName(QStringLiteral("Panel1"));
    m_componentPanel->setAccessibleName(QStringLiteral("Components"));
    auto *components = new QComboBox(m_componentPanel);
    components->setObjectName(QStringLiteral("ComboBox1"));
    components->setAccessibleName(QStringLiteral("Component"));
    m_componentPanel->hide();
    layout->addWidget(m_componentPanel);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Properties and values"));
    m_grid->setColumnCount(3);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->setColumnWidth(0, 0);
    m_grid->setColumnHidden(0, true);
    m_grid->setColumnWidth(1, inspector->grid()->PropWid);
    m_grid->setColumnWidth(2, inspector->grid()->ValueWid);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab must leave the value field (which applies the typed text) instead
    // of silently moving the grid's current cell under it.
    m_grid->setTabKeyNavigation(false);
    layout->addWidget(m_grid, 1);

    // The editors are the window's own children, placed over the grid, so
    // that they stand in the accessibility tree (a table lists only cells).
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setAccessibleName(QStringLiteral("Value"));
    m_edit->setFrame(false);
    m_edit->installEventFilter(this);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("ComboBox2"));
    m_combo->setAccessibleName(QStringLiteral("Value choice"));
    m_combo->installEventFilter(this);
    m_buttonPanel = new QWidget(this);
    m_buttonPanel->setObjectName(QStringLiteral("Panel2"));
    m_buttonPanel->setAccessibleName(QStringLiteral("Value editor"));
    m_ellipsis = new QToolButton(m_buttonPanel);
    m_ellipsis->setObjectName(QStringLiteral("SpeedButton1"));
    m_ellipsis->setText(QStringLiteral("..."));
    m_ellipsis->setAccessibleName(QStringLiteral("Edit value"));
    if (!inspector->btnGlyph().isNull())
        m_ellipsis->setIcon(inspector->btnGlyph());
    m_ellipsis->setGeometry(0, 0, 17, kRowHeight);

    m_helpPanel = new QWidget(this);
    m_helpPanel->setObjectName(QStringLiteral("HelpPanel"));
    m_helpPanel->setAccessibleName(QStringLiteral("Help"));
    auto *helpLayout = new QVBoxLayout(m_helpPanel);
    m_helpButton = new QPushButton(inspector->helpButton()->Caption, m_helpPanel);
    m_helpButton->setObjectName(QStringLiteral("HelpButton"));
    m_helpButton->setAccessibleName(QString(inspector->helpButton()->Caption).remove('&'));
    m_helpButton->setWhatsThis(QString::number(inspector->helpButton()->HelpContext));
    helpLayout->addWidget(m_helpButton);
    m_helpPanel->setVisible(inspector->helpButton()->Visible);
    layout->addWidget(m_helpPanel);

    parkEditors();

    connect(m_grid, &QTableWidget::cellPressed, this, [this](int row, int) {
        if (row >= 1)
            editRow(row, true);
    });
    for (QScrollBar *bar : {m_grid->verticalScrollBar(), m_grid->horizontalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &TInspectorFm::placeEditors);
    connect(m_combo, &QComboBox::activated, this, &TInspectorFm::comboChosen);
    // Enter applies what was typed at once; Escape takes it back.
    connect(m_edit, &QLineEdit::returnPressed, this, &TInspectorFm::commitEdited);
    connect(m_ellipsis, &QToolButton::clicked, this, [this] {
        const QString prop = propertyAt(m_editRow);
        if (!prop.isEmpty())
            m_inspector->buttonClicked(prop, m_edit->text());
    });
    // A modal window (an editor or picker from "...", a question, the
    // guide) must not come up hidden under this window: it stays on top only
    // while no modal window is open.
    if (inspector->stayOnTop())
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
            // Looked at once the change has settled: a closing modal window
            // moves the focus before it leaves the modal stack.
            QTimer::singleShot(0, this, [this] {
                QWidget *modal = QApplication::activeModalWidget();
                // Shown again, this window comes up above the modal one.
                if (setStaysOnTop(modal == nullptr) && modal)
                    modal->raise();
            });
        });
    fill({});
}

bool TInspectorFm::setStaysOnTop(bool on)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return false;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown)
        show();
    return true;
}

QString TInspectorFm::propertyAt(int row) const
{
    if (row < 1 || row >= m_grid->rowCount() || !m_grid->item(row, 0))
        return {};
    return m_grid->item(row, 0)->text();
}

void TInspectorFm::fill(const QList<TInspectorRow> &rows)
{
    m_filling = true;
    m_rows = rows;
    m_grid->setRowCount(int(rows.size()) + 1);
    m_grid->setItem(0, 0, readOnlyItem(QString()));
    m_grid->setItem(0, 1, readOnlyItem(m_inspector->grid()->PropCp));
    m_grid->setItem(0, 2, readOnlyItem(m_inspector->grid()->ValueCp));
    int keep = -1;
    // The names column is as wide as the longest name shown.
    int namesWidth = m_inspector->grid()->PropWid;
    const QFontMetrics metrics(m_grid->font());
    for (const TInspectorRow &row : rows)
        namesWidth = std::max(namesWidth, metrics.horizontalAdvance(row.caption) + 12);
    m_grid->setColumnWidth(1, namesWidth);
    fitValueColumn();
    for (int i = 0; i < rows.size(); ++i) {
        m_grid->setItem(i + 1, 0, readOnlyItem(rows[i].name));
        QTableWidgetItem *caption = readOnlyItem(rows[i].caption);
        // The name column is narrow; the whole name shows on hovering.
        caption->setToolTip(rows[i].caption);
        m_grid->setItem(i + 1, 1, caption);
        m_grid->setItem(i + 1, 2, readOnlyItem(rows[i].value));
        if (!m_editProp.isEmpty() && rows[i].name == m_editProp)
            keep = i + 1;
    }
    if (keep > 0)
        editRow(keep, false);
    else
        parkEditors();
    m_filling = false;
}

void TInspectorFm::parkEditors()
{
    m_editRow = -1;
    m_grid->clearSelection();
    m_edit->hide();
    m_combo->hide();
    m_buttonPanel->hide();
}

void TInspectorFm::editRow(int row, bool focus)
{
    if (row < 1 || row > m_rows.size())
        return;
    const TInspectorRow &entry = m_rows[row - 1];
    m_editProp = entry.name;
    m_editRow = row;
    // The highlighted row is the one being edited.
    m_grid->setCurrentCell(row, 2);
    // The editors are announced by the property they edit.
    m_edit->setAccessibleName(entry.caption);
    m_combo->setAccessibleName(entry.caption);
    m_ellipsis->setAccessibleName(QStringLiteral("Edit %1").arg(entry.caption));
    m_edit->setText(entry.value);
    m_edit->setEnabled(!m_inspector->btnProps().contains(entry.name));
    if (entry.kind == TTypeKind::tkEnumeration && m_edit->isEnabled()) {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
        m_combo->addItems(enumNames(m_inspector->model() ? m_inspector->model()->components()
                                                         : QList<QObject *>(),
                                    entry.name));
        m_combo->setCurrentIndex(m_combo->findText(entry.value));
    }
    placeEditors();
    if (!m_edit->isHidden() && m_edit->isEnabled()) {
        m_edit->selectAll();
        if (focus)
            m_edit->setFocus();
    }
}

void TInspectorFm::placeEditors()
{
    if (m_editRow < 1 || m_editRow > m_rows.size())
        return;
    const TInspectorRow &entry = m_rows[m_editRow - 1];
    QRect cell = m_grid->visualRect(m_grid->model()->index(m_editRow, 2));
    // A row scrolled out of the grid's view takes its editors with it.
    const bool inView = m_grid->viewport()->rect().contains(cell);
    cell.moveTopLeft(m_grid->viewport()->mapTo(this, cell.topLeft()));
    const bool button = m_inspector->btnProps().contains(entry.name);
    const bool choice = !button && entry.kind == TTypeKind::tkEnumeration;
    m_edit->setGeometry(cell);
    m_combo->setGeometry(cell);
    m_buttonPanel->setGeometry(cell.right() + 1 - 16, cell.top(), 17, cell.height());
    m_ellipsis->setGeometry(0, 0, 17, cell.height());
    m_edit->setVisible(inView && !choice);
    m_combo->setVisible(inView && choice);
    m_buttonPanel->setVisible(inView && button);
    for (QWidget *editor :
         {static_cast<QWidget *>(m_edit), static_cast<QWidget *>(m_combo), m_buttonPanel})
        editor->raise();
}

void TInspectorFm::fitValueColumn()
{
    m_grid->setColumnWidth(2, std::max(0, width() - m_grid->columnWidth(1) - 15));
}

void TInspectorFm::setEditText(const QString &text)
{
    m_edit->setText(text);
}

void TInspectorFm::commit()
{
    if (m_committing || m_filling || m_editRow < 1 || propertyAt(m_editRow) != m_editProp)
        return;
    m_committing = true;
    m_inspector->applyText(m_editProp, m_edit->text());
    m_committing = false;
}

void TInspectorFm::commitEdited()
{
    // Only text the user typed: leaving a row of a multiple selection must
    // not copy the first component's text to the others.
    if (m_edit->isModified())
        commit();
}

void TInspectorFm::comboChosen(int index)
{
    if (index < 0)
        return;
    m_edit->setText(m_combo->itemText(index));
    commit();
}

bool TInspectorFm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate)
        commitEdited();
    return QWidget::event(event);
}

bool TInspectorFm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_edit || watched == m_combo))
        commitEdited();
    if (event->type() == QEvent::KeyPress && watched == m_edit &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_editRow >= 1) {
        m_edit->setText(m_rows[m_editRow - 1].value);
        m_edit->selectAll();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TInspectorFm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A window squeezed down to its rows grows back so that every row stays
    // in view, but never past the screen.
    const int rowsHeight = m_grid->verticalHeader()->length() + 2 * m_grid->frameWidth();
    if (height() - rowsHeight < 10) {
        int grown = rowsHeight + 30;
        if (const QScreen *screen = this->screen())
            grown = std::min(grown, screen->availableGeometry().height());
        if (grown > height()) {
            resize(width(), grown);
            return;
        }
    }
    fitValueColumn();
    placeEditors();
}

} // namespace tw
