#pragma once

#include <QDialog>

class QLabel;
class QFrame;
class QMenu;
class QPrinter;
class QPushButton;
class QTextBrowser;

namespace tw
{

// The quick-start guide viewer: a read-only rich-text view with a popup menu
// to print it (P) or close the window (X).
class TfrmHelp : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmHelp(QWidget *parent = nullptr);

    QTextBrowser *reHelp() const { return m_reHelp; }
    QMenu *popupMenu() const { return m_popup; }

    // Fills the viewer with the guide stored with the program.
    void loadGuide();
    // The height that shows the whole guide at `width`, within the screen.
    int guideHeight(int width);

    // Asks for a printer and prints the whole guide as the job "reHelp".
    void print();

protected:
    // Shows the printer dialog; false when the user cancels. Tests replace it.
    virtual bool choosePrinter(QPrinter &printer);

private:
    QTextBrowser *m_reHelp;
    QMenu *m_popup;
};

// Opens the quick-start guide modally, as the Help menu does.
void ShowQuickStartGuide(QWidget *parent);

// The about box: logo, version and maker's lines (a click writes a mail to
// the maker), OK (also Esc), a line and the version below it.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    QLabel *label2() const { return m_label2; }
    QPushButton *btOk() const { return m_btOk; }
    QFrame *bevel1() const { return m_bevel1; }
    QLabel *label1() const { return m_label1; }

    static QString contactAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_image1;
    QLabel *m_label2;
    QPushButton *m_btOk;
    QFrame *m_bevel1;
    QLabel *m_label1;
};

} // namespace tw
