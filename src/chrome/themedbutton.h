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
    // The panel state handed to the style; numbered as the theme's push-button part has them.
    enum class ThemeState { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4, Defaulted = 5 };

    explicit CThemedButton(QWidget *parent = nullptr);
    ~CThemedButton() override;

    void SetThemeHelper(CThemeLoader *pTheme);
    CThemeLoader *ThemeHelper() const { return m_pTheme; }

    // True while the style's panel is drawn instead of the classic face.
    bool DrawsThemed() const;
    // Normal, then defaulted, hot, pressed, disabled: the last that applies wins.
    ThemeState CurrentThemeState() const;

protected:
    void DrawBackground(QPainter &painter, const QStyleOptionButton &option) override;
    QColor CaptionColor() const override;

private:
    CThemeLoader *m_pTheme = nullptr;
};
