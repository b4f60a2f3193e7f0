#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace tw
{

// "Edit Combo/ListBox Item": edits the item lines of a list tile, one item per
// line. The opener sets the lines, shows the dialog modally and reads them
// back after OK. Neither button answers Enter or Escape.
class TfrmEditdata : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmEditdata(QWidget *parent = nullptr);

    // The items; a final line end does not add an empty item.
    QStringList Lines() const;
    void SetLines(const QStringList &lines);

    QWidget *Panel1 = nullptr;
    QPushButton *btAccept = nullptr;
    QPushButton *btCancel = nullptr;
    QPlainTextEdit *mmData = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tw
