#pragma once

#include "designer/Inspector.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace tw
{

// The inspector's tool window: a three-column grid (hidden property names,
// shown captions, values; row 0 holds the captions) with a text field, an
// enumeration drop-down and a "..." button placed over the value cell of
// the row being edited. The text is applied when the field or the drop-down
// loses the focus, when the window is deactivated, when a drop-down choice
// is made, and after the "..." button.
class TInspectorFm : public QWidget
{
    Q_OBJECT

public:
    explicit TInspectorFm(TDsnInspector *inspector);

    QTableWidget *grid() const { return m_grid; }
    QLineEdit *editField() const { return m_edit; }
    QComboBox *comboBox() const { return m_combo; }
    QWidget *buttonPanel() const { return m_buttonPanel; }
    QToolButton *ellipsisButton() const { return m_ellipsis; }
    QWidget *helpPanel() const { return m_helpPanel; }
    QPushButton *helpButton() const { return m_helpButton; }

    void fill(const QList<TInspectorRow> &rows);
    // Puts the editors on `row` (1 and up); the text field takes the focus
    // when `focus` is set.
    void editRow(int row, bool focus);
    void parkEditors();
    // Places the editors over the edited row's value cell, shown while it is in view.
    void placeEditors();
    // True when the setting changed.
    bool setStaysOnTop(bool on);
    int editRowIndex() const { return m_editRow; }
    QString editProperty() const { return m_editProp; }
    void setEditText(const QString &text);
    // Applies the text field to the remembered property, if it is placed on
    // that property's row.
    void commit();
    // commit() when the user changed the text.
    void commitEdited();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void comboChosen(int index);
    void fitValueColumn();
    QString propertyAt(int row) const;

    TDsnInspector *m_inspector;
    QTableWidget *m_grid;
    QLineEdit *m_edit;
    QComboBox *m_combo;
    QWidget *m_buttonPanel;
    QToolButton *m_ellipsis;
    QWidget *m_componentPanel;
    QWidget *m_helpPanel;
    QPushButton *m_helpButton;
    QList<TInspectorRow> m_rows;
    int m_editRow = -1;
    QString m_editProp;
    bool m_filling = false;
    bool m_committing = false;
};

} // namespace tw
