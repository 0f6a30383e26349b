#pragma once

class QStyle;

// Tells the buttons whether the desktop theme draws them. Here the theme is the active Qt
// style: a desktop style (Breeze, a platform style, one the application installs) counts as
// themed; Qt's own fallbacks "Windows" and "Fusion" do not, and then the buttons draw their
// classic face. Asked again on every paint, so a style change at run time is followed.
// Owned by each form pane; buttons only point to it.
class CThemeLoader
{
public:
    CThemeLoader();
    ~CThemeLoader();
    CThemeLoader(const CThemeLoader &) = delete;
    CThemeLoader &operator=(const CThemeLoader &) = delete;

    bool IsAppThemed() const;
    static bool IsThemedStyle(const QStyle *style);

    // Applies the look asked for in TAVIKON_PALETTE ("dark" or "light") to the application;
    // without the variable the desktop's palette stays. Call once after the QApplication
    // exists and before windows are made.
    static void ApplyEnvironmentPalette();
};
