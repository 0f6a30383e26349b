#pragma once

#include "chrome/iconbutton.h"

class CThemeLoader;

// An icon button that draws the desktop style's push-button panel when a theme loader is
// attached and the application is themed, and the classic face otherwise.
class CThemedButton : public CIconButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CThemedButton)

public:
    explicit CThemedButton(QWidget *parent = nullptr);
    ~CThemedButton() override;

    void SetThemeHelper(CThemeLoader *pTheme) { m_pTheme = pTheme; }
    CThemeLoader *ThemeHelper() const { return m_pTheme; }

private:
    CThemeLoader *m_pTheme = nullptr;
};
