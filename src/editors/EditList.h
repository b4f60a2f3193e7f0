#pragma once

#include "editctl/SynEdit.h"
#include "highlight/AutoLispSyn.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tw
{

class TSynCompletionProposal;

// "Property Editor": edits the AutoLISP code of a tile's action and the name of
// the function that holds it. The opener fills edFunc and mmData, shows the
// dialog modally and reads them back after OK. Neither button answers Enter or
// Escape; Enter in the code starts a new line.
class TfrmEditList : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmEditList(QWidget *parent = nullptr);
    ~TfrmEditList() override;

    TAutoLispSyn AutoLispHighLighter;
    QWidget *Panel1 = nullptr;
    QPushButton *btAccept = nullptr;
    QPushButton *btCancel = nullptr;
    QWidget *Panel2 = nullptr;
    QWidget *pnFunc = nullptr;
    QLabel *lbFunc = nullptr;
    QLineEdit *edFunc = nullptr;
    TSynEdit *mmData = nullptr;
    TSynCompletionProposal *SynCompletionProposal1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tw
