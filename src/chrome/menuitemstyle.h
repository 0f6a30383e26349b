#pragma once

#include <QProxyStyle>

// Draws the items of the frame's pop-up menus: a column for the item picture, the text with
// its mnemonic, the shortcut at the right and a clear selection band. Everything else is left
// to the application style.
class CMenuItemStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMenuItemStyle)

public:
    CMenuItemStyle();
    ~CMenuItemStyle() override;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};
