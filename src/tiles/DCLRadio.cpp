#include "tiles/DCLRadio.h"

#include <QMouseEvent>

namespace tw
{

TMyRadioButton::TMyRadioButton(QWidget *parent) : QRadioButton(parent)
{
    // Exclusivity is the containers' business, not the toolkit's.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, [this] {
        m_suppressNotify = false;
        setRecordedChecked(isChecked());
    });
}

void TMyRadioButton::setRecordedChecked(bool value)
{
    m_checked = value;
    setChecked(value);
    if (!m_suppressNotify && value && m_onChangeValue.isBound())
        QMetaObject::invokeMethod(m_onChangeValue.receiver, m_onChangeValue.name.constData(),
                                  Q_ARG(QObject *, this), Q_ARG(bool, value));
}

void TMyRadioButton::nextCheckState()
{
    setChecked(true);
}

TDCLRadio::TDCLRadio(TOwner *owner) : TCustomPanel(owner)
{
    setBevelOuter(bvNone);
    m_radio = new TMyRadioButton(this);
    m_radio->setGeometry(0, 0, 80, 17);
    m_radio->setOnChangeValue(TMethod{this, QByteArrayLiteral("RadioChangeValue")});
    setRadioCaption(QStringLiteral("RadioButton"));
    // Sizing runs the resize handler, hence the inset.
    setBounds(x(), y(), 100, 21);
}

QString TDCLRadio::radioCaption() const
{
    return m_radio->text();
}

void TDCLRadio::setRadioCaption(const QString &value)
{
    m_radio->setText(value);
    m_radio->setAccessibleName(value);
}

bool TDCLRadio::radioEnabled() const
{
    return m_radio->isEnabledTo(this);
}

void TDCLRadio::setRadioEnabled(bool value)
{
    m_radio->setEnabled(value);
}

bool TDCLRadio::value() const
{
    return m_radio->recordedChecked();
}

void TDCLRadio::setValue(bool value)
{
    m_radio->setSuppressNotify(true);
    m_radio->setRecordedChecked(value);
    if (value && !m_inGroupUpdate)
        if (TControl *parent = parentControl())
            parent->radioChecked(this, true);
}

void TDCLRadio::RadioChangeValue(QObject *, bool value)
{
    if (value)
        setValue(true);
}

void TDCLRadio::resized()
{
    keyFillIn(this, true);
    applyInnerInset(m_radio, width(), height());
}

void TDCLRadio::loaded()
{
    m_inGroupUpdate = false;
    applyInnerInset(m_radio, width(), height());
}

void TDCLRadio::mouseReleaseEvent(QMouseEvent *event)
{
    TCustomPanel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        setValue(m_radio->recordedChecked());
}

} // namespace tw
