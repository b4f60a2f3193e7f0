#include "tiles/DCLBtn.h"

#include <QPushButton>

namespace tw
{
namespace
{

// QPushButton knows no cancel flag; it is kept on the button all the same.
constexpr const char *kCancelFlag = "dclCancel";

} // namespace

TDCLButton::TDCLButton(TOwner *owner) : TCustomPanel(owner)
{
    setBevelOuter(bvNone);
    m_button = new QPushButton(this);
    m_button->setGeometry(0, 0, 75, 25);
    m_button->setProperty(kCancelFlag, false);
    setButtonCaption(QStringLiteral("Button"));
    // Sizing runs the resize handler, hence the inset.
    setBounds(x(), y(), 80, 28);
}

bool TDCLButton::cancel() const
{
    return m_button->property(kCancelFlag).toBool();
}

void TDCLButton::setCancel(bool value)
{
    m_button->setProperty(kCancelFlag, value);
}

QString TDCLButton::buttonCaption() const
{
    return m_button->text();
}

void TDCLButton::setButtonCaption(const QString &value)
{
    m_button->setText(value);
    m_button->setAccessibleName(value);
}

bool TDCLButton::isDefault() const
{
    return m_button->isDefault();
}

void TDCLButton::setDefault(bool value)
{
    m_button->setDefault(value);
}

bool TDCLButton::buttonEnabled() const
{
    return m_button->isEnabledTo(this);
}

void TDCLButton::setButtonEnabled(bool value)
{
    m_button->setEnabled(value);
}

void TDCLButton::resized()
{
    applyInnerInset(m_button, width(), height());
    keyFillIn(this, false);
}

void TDCLButton::loaded()
{
    applyInnerInset(m_button, width(), height());
}

} // namespace tw
