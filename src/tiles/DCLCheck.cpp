#include "tiles/DCLCheck.h"

#include <QCheckBox>

namespace tw
{

TDCLCheckButton::TDCLCheckButton(TOwner *owner) : TCustomPanel(owner)
{
    setBevelOuter(bvNone);
    m_box = new QCheckBox(this);
    m_box->setGeometry(0, 0, 97, 17);
    setBoxCaption(QStringLiteral("CheckBox1"));
    // Sizing runs the resize handler, hence the inset.
    setBounds(x(), y(), 80, 24);
}

QString TDCLCheckButton::boxCaption() const
{
    return m_box->text();
}

void TDCLCheckButton::setBoxCaption(const QString &value)
{
    m_box->setText(value);
    m_box->setAccessibleName(value);
}

bool TDCLCheckButton::boxEnabled() const
{
    return m_box->isEnabledTo(this);
}

void TDCLCheckButton::setBoxEnabled(bool value)
{
    m_box->setEnabled(value);
}

bool TDCLCheckButton::value() const
{
    return m_box->isChecked();
}

void TDCLCheckButton::setValue(bool value)
{
    m_box->setChecked(value);
}

void TDCLCheckButton::resized()
{
    applyInnerInset(m_box, width(), height());
}

void TDCLCheckButton::loaded()
{
    applyInnerInset(m_box, width(), height());
}

} // namespace tw
