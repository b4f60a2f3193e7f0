#include "designer/DsnPanel.h"

#include "component/Owner.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace tw
{
namespace
{

// A palette button reads as a toggle button: checkable, checked while down.
class TPaletteButtonAccessible : public QAccessibleWidget
{
public:
    explicit TPaletteButtonAccessible(TPaletteButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State result = QAccessibleWidget::state();
        result.checkable = true;
        result.checked = button()->isDown();
        return result;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() || name == toggleAction())
            button()->press();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    TPaletteButton *button() const { return static_cast<TPaletteButton *>(widget()); }
};

QAccessibleInterface *paletteButtonAccessible(const QString &, QObject *object)
{
    auto *button = qobject_cast<TPaletteButton *>(object);
    return button ? new TPaletteButtonAccessible(button) : nullptr;
}

} // namespace

TPaletteButton::TPaletteButton(TOwner *owner) : TControl(owner)
{
    static const bool accessible = (QAccessible::installFactory(paletteButtonAccessible), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &TControl::captionChanged, this, [this] {
        setToolTip(caption());
        if (!caption().isEmpty())
            setAccessibleName(caption());
        update();
    });
}

void TPaletteButton::setGlyph(const QIcon &glyph)
{
    m_glyph = glyph;
    update();
}

TCustomCmpPlt *TPaletteButton::palette() const
{
    return qobject_cast<TCustomCmpPlt *>(parentWidget());
}

void TPaletteButton::setDown(bool value)
{
    if (value == m_down)
        return;
    m_down = value;
    if (value && parentWidget())
        for (QObject *sibling : parentWidget()->children())
            if (auto *other = qobject_cast<TPaletteButton *>(sibling))
                if (other != this && other->m_groupIndex == m_groupIndex)
                    other->setDown(false);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    update();
}

void TPaletteButton::press()
{
    if (!isEnabled())
        return;
    setDown(true);
    clickedDown();
    click();
}

void TPaletteButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= m_down ? QStyle::State_Sunken : QStyle::State_Raised;
    if (m_down)
        option.state |= QStyle::State_On;
    if (m_glyph.isNull()) {
        option.text = caption();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (m_down)
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QSize glyphSize(16, 16);
    const TCustomCmpPlt *plt = palette();
    const bool withCaption = (!plt || plt->btnCaption()) && !caption().isEmpty();
    const int captionHeight = withCaption ? fontMetrics().height() + 2 : 0;
    const QRect glyphRect(content.x() + (content.width() - glyphSize.width()) / 2,
                          content.y() + (content.height() - glyphSize.height() - captionHeight) / 2,
                          glyphSize.width(), glyphSize.height());
    m_glyph.paint(&painter, glyphRect, Qt::AlignCenter,
                  isEnabled() ? QIcon::Normal : QIcon::Disabled, m_down ? QIcon::On : QIcon::Off);
    if (withCaption)
        style()->drawItemText(
            &painter, QRect(content.x(), glyphRect.bottom() + 3, content.width(), captionHeight),
            Qt::AlignHCenter | Qt::AlignTop, option.palette, isEnabled(), caption(),
            QPalette::ButtonText);
}

void TPaletteButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TPaletteButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    press();
}

void TPaletteButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && isEnabled()) {
        press();
        return;
    }
    TControl::keyPressEvent(event);
}

TArrowButton::TArrowButton(TOwner *owner) : TPaletteButton(owner)
{
    setAccessibleName(QStringLiteral("Select"));
}

void TArrowButton::clickedDown()
{
    if (TCustomCmpPlt *plt = palette())
        plt->arrowClicked();
}

TDsnButton::TDsnButton(TOwner *owner) : TPaletteButton(owner)
{
    setEnabled(false);
}

void TDsnButton::clickedDown()
{
    if (TCustomCmpPlt *plt = palette())
        plt->buttonClicked(this);
}

void TDsnButton::loaded()
{
    setEnabled(false);
    setAccessibleName(caption().isEmpty() ? m_geneName : caption());
    if (TCustomCmpPlt *plt = palette())
        plt->registerButton(this);
}

TCustomCmpPlt::TCustomCmpPlt(TOwner *owner) : TCustomPanel(owner)
{
    setAccessibleName(QStringLiteral("Component palette"));
}

QList<TDsnButton *> TCustomCmpPlt::buttons() const
{
    QList<TDsnButton *> result;
    for (const QPointer<TDsnButton> &button : m_buttons)
        if (button)
            result.append(button);
    return result;
}

void TCustomCmpPlt::controlListChange(TControl *child, bool inserted)
{
    if (!inserted)
        return;
    if (auto *arrow = qobject_cast<TArrowButton *>(child)) {
        m_arrow = arrow;
        arrow->setEnabled(m_enabled);
    } else if (auto *button = qobject_cast<TDsnButton *>(child)) {
        registerButton(button);
    }
}

void TCustomCmpPlt::registerButton(TDsnButton *button)
{
    if (!button)
        return;
    for (const QPointer<TDsnButton> &known : std::as_const(m_buttons))
        if (known == button)
            return;
    m_buttons.append(button);
    button->setEnabled(false);
    if (button->accessibleName().isEmpty())
        button->setAccessibleName(button->caption().isEmpty() ? button->geneName()
                                                              : button->caption());
}

TControl *TCustomCmpPlt::templateOf(const TDsnButton *button) const
{
    if (!button || !owner() || button->geneName().isEmpty())
        return nullptr;
    return owner()->findComponent(button->geneName());
}

void TCustomCmpPlt::enable(bool on)
{
    m_enabled = on;
    m_template = nullptr;
    if (m_arrow) {
        m_arrow->setEnabled(on);
        if (on)
            m_arrow->setDown(true);
    }
    for (TDsnButton *button : buttons())
        button->setEnabled(on);
}

void TCustomCmpPlt::reset()
{
    m_template = nullptr;
    if (m_arrow)
        m_arrow->setDown(true);
}

void TCustomCmpPlt::arrowClicked()
{
    m_template = nullptr;
}

void TCustomCmpPlt::buttonClicked(TDsnButton *button)
{
    if (!button->isDown())
        return;
    m_template = templateOf(button);
    if (!m_template)
        reset();
}

} // namespace tw
