#pragma once

class QWidget;

// Tells the buttons whether the desktop theme draws them. Here the theme is the active Qt
// style: a platform style (anything but the plain "Windows" or "Fusion" fallback) counts as
// themed. Owned by each form pane; buttons only point to it.
class CThemeLoader
{
public:
    CThemeLoader();
    ~CThemeLoader();
    CThemeLoader(const CThemeLoader &) = delete;
    CThemeLoader &operator=(const CThemeLoader &) = delete;

    bool IsAppThemed() const;
};
