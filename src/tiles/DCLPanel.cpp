#include "tiles/DCLPanel.h"

#include "component/ClassRegistry.h"
#include "tiles/RadioGroup.h"

#include <QPushButton>
#include <cmath>

namespace tw
{
namespace
{

constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 24;
constexpr int kButtonTop = 8;
constexpr int kButtonStep = 82;
constexpr int kOutside = -100;

QPushButton *makeButton(QWidget *bar, const char *caption, int left, const char *name)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString::fromLatin1(caption).remove(QLatin1Char('&')));
    button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

TDCLPanel::TDCLPanel(TOwner *owner) : TCustomPanel(owner)
{
    setBevelOuter(bvNone);
    setBorderWidth(4);
    setAlign(alClient);

    m_buttonBar = new TPanel(nullptr);
    m_buttonBar->setBevelOuter(bvNone);
    m_buttonBar->setAccessibleName(QStringLiteral("Retirement buttons"));
    m_buttonBar->setHeight(56);
    m_buttonBar->setAlign(alBottom);
    m_buttonBar->setParentControl(this);

    m_ok = makeButton(m_buttonBar, "&Ok", 20, "Ok");
    m_cancel = makeButton(m_buttonBar, "&Cancel", 108, "Cancel");
    m_help = makeButton(m_buttonBar, "&Help", 196, "Help");
    m_info = makeButton(m_buttonBar, "&Info", 284, "Info");
    QWidget::setTabOrder(m_ok, m_cancel);
    QWidget::setTabOrder(m_cancel, m_help);
    QWidget::setTabOrder(m_help, m_info);

    m_errorLabel = new TLabel(nullptr);
    m_errorLabel->setBounds(0, 37, 493, 20);
    m_errorLabel->setTextAlignment(taCenter);
    m_errorLabel->setCaption(QStringLiteral("Error_tile"));
    m_errorLabel->setAccessibleName(QStringLiteral("Error tile"));
    m_errorLabel->setAlign(alBottom);
    m_errorLabel->setParentControl(m_buttonBar);
}

void TDCLPanel::setDialogCaption(const QString &value)
{
    m_dialogCaption = value;
    if (m_onCaptionChange.isBound())
        QMetaObject::invokeMethod(m_onCaptionChange.receiver, m_onCaptionChange.name.constData(),
                                  Q_ARG(QObject *, this), Q_ARG(QString, value));
}

void TDCLPanel::setDialogName(const QString &value)
{
    m_dialogName = value;
    setCaption(value);
}

void TDCLPanel::setRetirementButton(TRetirementButton value)
{
    m_retirementButton = value;
    ArrangeRetirementButtons();
}

void TDCLPanel::ArrangeRetirementButtons()
{
    m_errorLabel->setCaption(QString());
    QList<QPushButton *> shown;
    int barHeight = 40;
    bool errorTile = false;
    switch (m_retirementButton) {
    case TRetirementButton::errtile:
        barHeight = 16;
        errorTile = true;
        break;
    case TRetirementButton::ok_cancel_help:
        shown = {m_ok, m_cancel, m_help};
        break;
    case TRetirementButton::ok_only:
        shown = {m_ok};
        break;
    case TRetirementButton::ok_cancel_help_errtile:
        shown = {m_ok, m_cancel, m_help};
        barHeight = 56;
        errorTile = true;
        break;
    case TRetirementButton::ok_cancel:
        shown = {m_ok, m_cancel};
        break;
    case TRetirementButton::ok_cancel_help_info:
        shown = {m_ok, m_cancel, m_help, m_info};
        break;
    }
    const int groupWidth = shown.isEmpty() ? 0 : kButtonWidth + kButtonStep * int(shown.size() - 1);
    int left = roundHalfEven((m_buttonBar->width() - groupWidth) / 2.0);
    for (QPushButton *button : {m_ok, m_cancel, m_help, m_info}) {
        if (shown.contains(button)) {
            button->move(left, button->y());
            button->setVisible(true);
            left += kButtonStep;
        } else {
            button->move(kOutside, button->y());
        }
    }
    m_buttonBar->setHeight(barHeight);
    if (errorTile)
        m_errorLabel->setCaption(QStringLiteral("error_tile"));
    m_errorLabel->setVisibleProp(errorTile);
}

void TDCLPanel::radioChecked(TControl *sender, bool checked)
{
    applyRadioExclusivity(this, sender, checked);
}

void TDCLPanel::controlListChange(TControl *child, bool inserted)
{
    if (inserted && isTile(child))
        child->setAlign(alTop);
}

void TDCLPanel::resized()
{
    ArrangeRetirementButtons();
}

void TDCLPanel::loaded()
{
    // A size read while loading reached the button bar only now.
    realign();
    ArrangeRetirementButtons();
}

bool isTile(const QObject *control)
{
    return className(control).startsWith(QLatin1String("TDCL"));
}

} // namespace tw
