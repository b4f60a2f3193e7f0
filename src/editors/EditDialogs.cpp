#include "editctl/SynCompletionProposal.h"
#include "editors/EditData.h"
#include "editors/EditList.h"
#include "editors/VexStringsHold.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tw
{

namespace
{

// The right-hand panel, 87 pixels wide, with "&Accept" above "&Cancel".
QWidget *ButtonPanel(QDialog *dialog, QPushButton *&accept, QPushButton *&cancel)
{
    auto *panel = new QWidget(dialog);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAccessibleName(QStringLiteral("Buttons"));
    panel->setFixedWidth(87);
    accept = new QPushButton(QStringLiteral("&Accept"), panel);
    accept->setObjectName(QStringLiteral("btAccept"));
    accept->setAccessibleName(QStringLiteral("Accept"));
    accept->setGeometry(6, 8, 75, 25);
    cancel = new QPushButton(QStringLiteral("&Cancel"), panel);
    cancel->setObjectName(QStringLiteral("btCancel"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    cancel->setGeometry(6, 40, 75, 25);
    for (QPushButton *button : {accept, cancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QObject::connect(accept, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return panel;
}

} // namespace

TfrmEditList::TfrmEditList(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEditList"));
    setWindowTitle(QStringLiteral("Property Editor"));
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    resize(549, 349);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAccessibleName(QStringLiteral("Code editor"));
    pnFunc = new QWidget(Panel2);
    pnFunc->setObjectName(QStringLiteral("pnFunc"));
    pnFunc->setFixedHeight(33);
    pnFunc->setAccessibleName(QStringLiteral("Function"));
    lbFunc = new QLabel(QStringLiteral("Function Name"), pnFunc);
    lbFunc->setObjectName(QStringLiteral("lbFunc"));
    lbFunc->setAccessibleName(QStringLiteral("Function Name"));
    edFunc = new QLineEdit(QStringLiteral("func1()"), pnFunc);
    edFunc->setObjectName(QStringLiteral("edFunc"));
    edFunc->setAccessibleName(QStringLiteral("Function Name"));
    lbFunc->setBuddy(edFunc);
    auto *funcRow = new QHBoxLayout(pnFunc);
    funcRow->setContentsMargins(6, 4, 6, 4);
    funcRow->addWidget(lbFunc);
    funcRow->addWidget(edFunc, 1);

    mmData = new TSynEdit(Panel2);
    mmData->setObjectName(QStringLiteral("mmData"));
    mmData->setAccessibleName(QStringLiteral("Code"));
    mmData->SetHighlighter(&AutoLispHighLighter);
    SynCompletionProposal1 = new TSynCompletionProposal(this);
    SynCompletionProposal1->SetItemList(WordListStrings(AutoLispWordList()));
    SynCompletionProposal1->SetEditor(mmData);

    auto *column = new QVBoxLayout(Panel2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnFunc);
    column->addWidget(mmData, 1);

    Panel1 = ButtonPanel(this, btAccept, btCancel);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(Panel2, 1);
    row->addWidget(Panel1);
    setTabOrder(btAccept, btCancel);
}

TfrmEditList::~TfrmEditList()
{
    mmData->SetHighlighter(nullptr);
}

void TfrmEditList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

TfrmEditdata::TfrmEditdata(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmEditdata"));
    setWindowTitle(QStringLiteral("Edit Combo/ListBox Item"));
    resize(420, 259);
    mmData = new QPlainTextEdit(this);
    mmData->setObjectName(QStringLiteral("mmData"));
    mmData->setAccessibleName(QStringLiteral("Items"));
    mmData->setLineWrapMode(QPlainTextEdit::NoWrap);
    Panel1 = ButtonPanel(this, btAccept, btCancel);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(mmData, 1);
    row->addWidget(Panel1);
}

QStringList TfrmEditdata::Lines() const
{
    const QString text = mmData->toPlainText();
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TfrmEditdata::SetLines(const QStringList &lines)
{
    mmData->setPlainText(lines.join(QLatin1Char('\n')));
}

void TfrmEditdata::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace tw
