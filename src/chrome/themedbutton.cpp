#include "chrome/themedbutton.h"

#include "chrome/themeloader.h"

#include <QPainter>
#include <QStyleOptionButton>

CThemedButton::CThemedButton(QWidget *parent) : CIconButton(parent) { }
CThemedButton::~CThemedButton() = default;

void CThemedButton::SetThemeHelper(CThemeLoader *pTheme)
{
    m_pTheme = pTheme;
    update();
}

bool CThemedButton::DrawsThemed() const
{
    return m_pTheme && m_pTheme->IsAppThemed();
}

CThemedButton::ThemeState CThemedButton::CurrentThemeState() const
{
    ThemeState state = ThemeState::Normal;
    if (isDefault())
        state = ThemeState::Defaulted;
    if (m_bMouseOver)
        state = ThemeState::Hot;
    if (isDown())
        state = ThemeState::Pressed;
    if (!isEnabled())
        state = ThemeState::Disabled;
    return state;
}

void CThemedButton::DrawBackground(QPainter &painter, const QStyleOptionButton &option)
{
    if (!DrawsThemed()) {
        CIconButton::DrawBackground(painter, option);
        return;
    }
    // The style gets exactly the one state chosen above, not the mix Qt would pass on.
    QStyleOptionButton panel = option;
    panel.features &= ~(QStyleOptionButton::Flat | QStyleOptionButton::DefaultButton);
    panel.state &= ~(QStyle::State_Sunken | QStyle::State_Raised | QStyle::State_MouseOver
                     | QStyle::State_On | QStyle::State_Enabled);
    switch (CurrentThemeState()) {
    case ThemeState::Normal:
        panel.state |= QStyle::State_Enabled | QStyle::State_Raised;
        break;
    case ThemeState::Defaulted:
        panel.state |= QStyle::State_Enabled | QStyle::State_Raised;
        panel.features |= QStyleOptionButton::DefaultButton;
        break;
    case ThemeState::Hot:
        panel.state |= QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_MouseOver;
        break;
    case ThemeState::Pressed:
        panel.state |= QStyle::State_Enabled | QStyle::State_Sunken;
        break;
    case ThemeState::Disabled:
        panel.state |= QStyle::State_Raised;
        break;
    }
    style()->drawControl(QStyle::CE_PushButtonBevel, &panel, &painter, this);
}

QColor CThemedButton::CaptionColor() const
{
    if (!DrawsThemed())
        return CIconButton::CaptionColor();
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                           QPalette::ButtonText);
}
