#include "tiles/DCLEditLabel.h"

#include <QLineEdit>
#include <algorithm>

namespace tw
{
namespace
{

// The limit is kept on the field but not applied to it: QLineEdit would cut
// the stored value to it. The mask character is kept beside what it shows.
constexpr const char *kEditLimit = "dclEditLimit";
constexpr const char *kPasswordChar = "dclPasswordChar";

} // namespace

TDCLEdit::TDCLEdit(TOwner *owner) : TPanel(owner)
{
    setBevelOuter(bvNone);
    setCaptionAlignment(taLeftJustify);
    setTabstop(true);
    m_edit = new QLineEdit(this);
    m_edit->setGeometry(30, 0, 50, 21);
    setEditLimit(0);
    setPasswordChar(QChar());
    captionFollowsName(this);
    connect(this, &TControl::captionChanged, m_edit,
            [this] { m_edit->setAccessibleName(caption()); });
    setBounds(x(), y(), 185, 29);
}

int TDCLEdit::editLimit() const
{
    return m_edit->property(kEditLimit).toInt();
}

void TDCLEdit::setEditLimit(int value)
{
    m_edit->setProperty(kEditLimit, value);
}

int TDCLEdit::editWidth() const
{
    return m_edit->width();
}

void TDCLEdit::setEditWidth(int value)
{
    m_edit->resize(std::max(0, value), m_edit->height());
    fitEditField();
}

QChar TDCLEdit::passwordChar() const
{
    return m_edit->property(kPasswordChar).toChar();
}

void TDCLEdit::setPasswordChar(QChar value)
{
    m_edit->setProperty(kPasswordChar, QVariant::fromValue(value));
    if (value.isNull()) {
        m_edit->setEchoMode(QLineEdit::Normal);
        m_edit->setStyleSheet(QString());
        return;
    }
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setStyleSheet(
        QStringLiteral("QLineEdit { lineedit-password-character: %1 }").arg(value.unicode()));
}

QString TDCLEdit::value() const
{
    return m_edit->text();
}

void TDCLEdit::setValue(const QString &value)
{
    m_edit->setText(value);
}

void TDCLEdit::fitEditField()
{
    m_edit->setGeometry(width() - m_edit->width() - 2, 0, m_edit->width(),
                        std::max(0, height() - 2));
}

void TDCLEdit::resized()
{
    keyFillIn(this, true);
    fitEditField();
}

void TDCLEdit::loaded()
{
    fitEditField();
}

} // namespace tw
