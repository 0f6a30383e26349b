#include "chrome/menuitemstyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

#include <algorithm>
#include <utility>

namespace {

// A menu text carries its key after a tab ("&Rename\tF2"): the caption and the key apart.
std::pair<QString, QString> splitShortcut(const QString &text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {text, QString()};
    return {text.left(tab), text.mid(tab + 1)};
}

constexpr int kIconColumn = 26; // picture column, also the left margin of texts without one
constexpr int kRightMargin = 14;
constexpr int kShortcutGap = 28;
} // namespace

CMenuItemStyle::CMenuItemStyle() = default;
CMenuItemStyle::~CMenuItemStyle() = default;

void CMenuItemStyle::drawControl(ControlElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QPalette &pal = item->palette;
    const QRect r = item->rect;
    painter->save();
    painter->fillRect(r, pal.color(QPalette::Window));

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = r.center().y();
        // A quarter of the way from the background to the text: visible on light and dark
        // palettes alike, where the palette's Mid can equal the menu background.
        const QColor bg = pal.color(QPalette::Window), fg = pal.color(QPalette::WindowText);
        painter->setPen(QColor((bg.red() * 3 + fg.red()) / 4, (bg.green() * 3 + fg.green()) / 4,
                               (bg.blue() * 3 + fg.blue()) / 4));
        painter->drawLine(r.left() + kIconColumn, y, r.right() - 4, y);
        painter->restore();
        return;
    }

    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    if (selected) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(pal.color(QPalette::Highlight));
        painter->drawRoundedRect(QRectF(r).adjusted(2, 1, -2, -1), 3, 3);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }

    if (!item->icon.isNull()) {
        const int side = pixelMetric(PM_SmallIconSize, option, widget);
        const QRect iconRect(r.left() + (kIconColumn - side) / 2 + 2,
                             r.top() + (r.height() - side) / 2, side, side);
        item->icon.paint(painter, iconRect, Qt::AlignCenter,
                         enabled ? (selected ? QIcon::Selected : QIcon::Normal) : QIcon::Disabled);
    }

    const QColor textColor = !enabled ? pal.color(QPalette::Disabled, QPalette::WindowText)
        : selected                    ? pal.color(QPalette::HighlightedText)
                                      : pal.color(QPalette::WindowText);
    painter->setPen(textColor);
    const auto [text, shortcut] = splitShortcut(item->text);
    const QRect textRect = r.adjusted(kIconColumn + 6, 0, -kRightMargin, 0);
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= styleHint(SH_UnderlineShortcut, option, widget) ? Qt::TextShowMnemonic
                                                             : Qt::TextHideMnemonic;
    painter->setFont(item->font);
    painter->drawText(textRect, flags | Qt::AlignLeft, text);
    if (!shortcut.isEmpty())
        painter->drawText(textRect, flags | Qt::AlignRight, shortcut);

    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOptionMenuItem arrow = *item;
        arrow.rect = QRect(r.right() - kRightMargin + 2, r.top(), kRightMargin - 4, r.height());
        arrow.palette.setColor(QPalette::ButtonText, textColor);
        QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
    painter->restore();
}

QSize CMenuItemStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                       const QSize &size, const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(kIconColumn * 2, 9);
    const QFontMetrics fm(item->font);
    const auto [text, shortcut] = splitShortcut(item->text);
    int width = kIconColumn + 6 + fm.horizontalAdvance(QString(text).remove(QLatin1Char('&')))
        + kRightMargin;
    if (!shortcut.isEmpty())
        width += kShortcutGap + fm.horizontalAdvance(shortcut);
    const int height
        = std::max(fm.height() + 10, pixelMetric(PM_SmallIconSize, option, widget) + 8);
    return QSize(std::max(width, 160), height);
}

int CMenuItemStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                const QWidget *widget) const
{
    if (metric == PM_SmallIconSize)
        return 16;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
