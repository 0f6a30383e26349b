#include "chrome/themeloader.h"

#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>

CThemeLoader::CThemeLoader() = default;
CThemeLoader::~CThemeLoader() = default;

bool CThemeLoader::IsAppThemed() const
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    return IsThemedStyle(QApplication::style());
}

bool CThemeLoader::IsThemedStyle(const QStyle *style)
{
    // A proxy (style sheets, our menu style) is judged by the style it draws with.
    while (const auto *proxy = qobject_cast<const QProxyStyle *>(style)) {
        if (!proxy->name().isEmpty())
            break;
        style = proxy->baseStyle();
    }
    if (!style)
        return false;
    const QString name = style->name().toLower();
    return name != QLatin1String("windows") && name != QLatin1String("fusion");
}

void CThemeLoader::ApplyEnvironmentPalette()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    const QByteArray wanted = qgetenv("TAVIKON_PALETTE").toLower();
    if (wanted == "light") {
        QApplication::setPalette(QApplication::style()->standardPalette());
        return;
    }
    if (wanted != "dark")
        return;
    QPalette dark;
    const QColor window(0x2d, 0x2f, 0x33);
    const QColor base(0x1f, 0x21, 0x24);
    const QColor text(0xe6, 0xe6, 0xe6);
    const QColor button(0x3a, 0x3d, 0x42);
    const QColor dim(0x8a, 0x8d, 0x91);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::ToolTipBase, QColor(0x46, 0x49, 0x4f));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, dim);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, button);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    dark.setColor(QPalette::Light, button.lighter(150));
    dark.setColor(QPalette::Midlight, button.lighter(125));
    dark.setColor(QPalette::Mid, button.darker(130));
    dark.setColor(QPalette::Dark, button.darker(170));
    dark.setColor(QPalette::Shadow, QColor(0x0a, 0x0a, 0x0a));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7e, 0xd6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x6f, 0xa8, 0xff));
    dark.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xff));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, dim);
    dark.setColor(QPalette::Disabled, QPalette::Button, window);
    dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x53, 0x58));
    QApplication::setPalette(dark);
}
