#include "app/HelpWindows.h"

#include "app/Glyphs.h"
#include "app/Resources.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

namespace tw
{

TfrmHelp::TfrmHelp(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_reHelp = new QTextBrowser(this);
    m_reHelp->setObjectName(QStringLiteral("reHelp"));
    m_reHelp->setAccessibleName(QStringLiteral("Quick start guide"));
    m_reHelp->setReadOnly(true);
    m_reHelp->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_reHelp);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *printAction = m_popup->addAction(QStringLiteral("&Print"), this, &TfrmHelp::print);
    printAction->setShortcut(QKeySequence(Qt::Key_P));
    m_popup->addSeparator();
    QAction *exitAction = m_popup->addAction(QStringLiteral("E&xit"), this, &QDialog::close);
    exitAction->setShortcut(QKeySequence(Qt::Key_X));
    // The menu's shortcuts work while the guide has the focus.
    for (QAction *action : {printAction, exitAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(m_reHelp, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_reHelp->mapToGlobal(at)); });
}

void TfrmHelp::loadGuide()
{
    initAppResources();
    QFile guide(QStringLiteral(":/quickstart.html"));
    if (guide.open(QIODevice::ReadOnly))
        m_reHelp->setHtml(QString::fromUtf8(guide.readAll()));
}

void TfrmHelp::print()
{
    QPrinter printer;
    if (!choosePrinter(printer))
        return;
    printer.setDocName(QStringLiteral("reHelp"));
    m_reHelp->document()->print(&printer);
}

int TfrmHelp::guideHeight(int width)
{
    // Without scroll bars the whole guide must fit; where the screen is too
    // small for it, a scroll bar is better than text out of reach.
    QTextDocument *document = m_reHelp->document();
    const int frame = 2 * m_reHelp->frameWidth();
    document->setTextWidth(width - frame);
    const int wanted = int(std::ceil(document->size().height())) + frame;
    const QScreen *screen = this->screen();
    const int room = screen ? screen->availableGeometry().height() - 60 : wanted;
    if (wanted > room)
        m_reHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return std::min(wanted, std::max(room, 100));
}

bool TfrmHelp::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    return dialog.exec() == QDialog::Accepted;
}

void ShowQuickStartGuide(QWidget *parent)
{
    auto *help = new TfrmHelp(parent);
    help->setWindowTitle(QStringLiteral("Quick start guide"));
    help->loadGuide();
    help->reHelp()->setLineWrapMode(QTextEdit::WidgetWidth);
    help->reHelp()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    help->reHelp()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    help->resize(600, help->guideHeight(600));
    help->exec();
}

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About Tilewright"));
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedWidth(353);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(QStringLiteral("Tilewright logo"));
    // Drawn rather than read from the icon's image file: this box opens at
    // start-up, and reading an image file first loads the image plugins.
    const qreal ratio = devicePixelRatioF();
    QPixmap logo = QPixmap::fromImage(renderLogo(qRound(64 * ratio)));
    logo.setDevicePixelRatio(ratio);
    m_image1->setPixmap(logo);
    m_image1->setGeometry(10, 10, 64, 64);

    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAccessibleName(QStringLiteral("About text"));
    m_label2->setWordWrap(true);
    // Plain text in the regular face: rich text or a bold line would lay out
    // a text document and load a second font before this box first shows.
    // The version stands once, under the rule below.
    m_label2->setTextFormat(Qt::PlainText);
    m_label2->setText(QStringLiteral("Tilewright\nDesign AutoCAD dialog boxes tile by tile and "
                                     "generate their DCL and AutoLISP code.\n\nOrvane\n"
                                     "Write to us: %1")
                          .arg(contactAddress()));
    m_label2->setCursor(Qt::PointingHandCursor);
    m_label2->setGeometry(90, 10, 253, 10);
    m_label2->setFixedWidth(253);
    m_label2->setFixedHeight(m_label2->heightForWidth(253));
    m_label2->installEventFilter(this);

    m_btOk = new QPushButton(QStringLiteral("OK"), this);
    m_btOk->setObjectName(QStringLiteral("btOk"));
    m_btOk->setDefault(true);
    connect(m_btOk, &QPushButton::clicked, this, &QDialog::accept);

    m_bevel1 = new QFrame(this);
    m_bevel1->setObjectName(QStringLiteral("Bevel1"));
    m_bevel1->setFrameShape(QFrame::HLine);
    m_bevel1->setFrameShadow(QFrame::Sunken);

    m_label1 = new QLabel(QStringLiteral("Version 1.15"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));

    const int label2Bottom = m_label2->y() + m_label2->height();
    m_btOk->setGeometry((353 - 75) / 2, label2Bottom + 10, 75, 25);
    const int buttonsBottom = m_btOk->y() + m_btOk->height();
    m_bevel1->setGeometry(10, buttonsBottom + 10, 333, 2);
    m_label1->setGeometry(10, m_bevel1->y() + 10, 333, 15);
    setFixedHeight(m_bevel1->y() + 25);
}

QString TfrmAbout::contactAddress()
{
    return QStringLiteral("support@orvane.example");
}

bool TfrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label2 && event->type() == QEvent::MouseButtonRelease)
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + contactAddress()));
    return QDialog::eventFilter(watched, event);
}

} // namespace tw
