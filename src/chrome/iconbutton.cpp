#include "chrome/iconbutton.h"

#include "resources/resourceicons.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QToolTip>

#include <algorithm>

namespace {

// Breaks plain text into lines no wider than maxWidth; a word wider than that on its own
// keeps a line to itself rather than being cut.
QStringList wrapLines(const QString &text, const QFontMetrics &fm, int maxWidth)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(candidate) > maxWidth) {
                lines.append(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.append(line);
    }
    return lines;
}

} // namespace

CIconButton::CIconButton(QWidget *parent) : QPushButton(parent)
{
    setFlat(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setIconSize(QSize(24, 24));
    followPalette();
}

CIconButton::~CIconButton() = default;

void CIconButton::SetIcon(int nIconIn, int nIconOut)
{
    SetIcon(ResourceIcon(nIconIn), ResourceIcon(nIconOut));
}

void CIconButton::SetIcon(const QIcon &iconIn, const QIcon &iconOut)
{
    m_iconIn = iconIn;
    m_iconOut = iconOut;
    // QPushButton's own icon keeps size hints and accessibility right; paintEvent picks the
    // one for the mouse state.
    setIcon(m_bMouseOver ? m_iconIn : m_iconOut);
    update();
}

int CIconButton::SetColor(int nIndex, const QColor &color, bool bRepaint)
{
    if (nIndex < 0 || nIndex >= BTNST_MAX_COLORS)
        return 1;
    m_colors[nIndex] = color;
    m_explicitColors |= 1u << nIndex;
    if (nIndex == BTNST_COLOR_BK_IN)
        m_bHoverFace = false;
    if (bRepaint)
        update();
    return 0;
}

QColor CIconButton::GetColor(int nIndex) const
{
    if (nIndex < 0 || nIndex >= BTNST_MAX_COLORS)
        return {};
    return m_colors[nIndex];
}

void CIconButton::SetTooltipText(const QString &text)
{
    setToolTip(text);
    // An icon-only button is announced by its tip; a caption, or a name the owner gave,
    // takes precedence.
    if (this->text().isEmpty() && (accessibleName().isEmpty() || m_bNameFromTip)) {
        setAccessibleName(text);
        m_bNameFromTip = true;
    }
}

QColor CIconButton::HoverColor(const QColor &face)
{
    // Per channel, so a light face cannot carry over into the next channel and turn dark.
    return QColor(std::min(face.red() + 0x1E, 255), std::min(face.green() + 0x1E, 255),
                  std::min(face.blue() + 0x1E, 255));
}

void CIconButton::SetHoverFace()
{
    m_colors[BTNST_COLOR_BK_IN] = HoverColor(palette().color(QPalette::Button));
    m_explicitColors |= 1u << BTNST_COLOR_BK_IN;
    m_bHoverFace = true;
    update();
}

QColor CIconButton::CurrentBackground() const
{
    if (m_bMouseOver || isDown())
        return m_colors[BTNST_COLOR_BK_IN];
    if (hasFocus())
        return m_colors[BTNST_COLOR_BK_FOCUS];
    return m_colors[BTNST_COLOR_BK_OUT];
}

QColor CIconButton::CurrentForeground() const
{
    if (!isEnabled())
        return palette().color(QPalette::Disabled, QPalette::ButtonText);
    if (m_bMouseOver || isDown())
        return m_colors[BTNST_COLOR_FG_IN];
    if (hasFocus())
        return m_colors[BTNST_COLOR_FG_FOCUS];
    return m_colors[BTNST_COLOR_FG_OUT];
}

QString CIconButton::DisplayedToolTip() const
{
    const QString tip = toolTip();
    const QFontMetrics fm(QToolTip::font());
    // The tip label adds a few pixels of margin on each side.
    const int room = kMaxTipWidth - 2 * style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth) - 8;
    const QStringList lines = wrapLines(tip, fm, room);
    if (lines.size() <= 1 && fm.horizontalAdvance(tip) <= room)
        return tip;
    QStringList escaped;
    for (const QString &line : lines)
        escaped.append(line.toHtmlEscaped());
    // Rich text with explicit breaks: the label never grows wider than the longest line.
    return QStringLiteral("<p style='white-space:pre'>%1</p>")
        .arg(escaped.join(QStringLiteral("<br>")));
}

bool CIconButton::event(QEvent *e)
{
    if (e->type() == QEvent::ToolTip) {
        const QString tip = DisplayedToolTip();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent *>(e)->globalPos(), tip, this, rect());
        return true;
    }
    return QPushButton::event(e);
}

void CIconButton::enterEvent(QEnterEvent *e)
{
    QPushButton::enterEvent(e);
    // Dragging in from elsewhere with the left button held is not hovering; nor is passing
    // over a window of a program that is not the active one.
    if ((QApplication::mouseButtons() & Qt::LeftButton) && !m_bMouseOver)
        return;
    if (!QApplication::activeWindow())
        return;
    setMouseOver(true);
}

void CIconButton::leaveEvent(QEvent *e)
{
    QPushButton::leaveEvent(e);
    setMouseOver(false);
}

void CIconButton::mouseMoveEvent(QMouseEvent *e)
{
    QPushButton::mouseMoveEvent(e);
    const bool inside = rect().contains(e->position().toPoint());
    if (!inside) {
        setMouseOver(false);
        return;
    }
    if ((e->buttons() & Qt::LeftButton) && !m_bMouseOver)
        return;
    if (QApplication::activeWindow())
        setMouseOver(true);
}

void CIconButton::changeEvent(QEvent *e)
{
    QPushButton::changeEvent(e);
    if (e->type() == QEvent::PaletteChange)
        followPalette();
    else if (e->type() == QEvent::EnabledChange && !isEnabled())
        setMouseOver(false); // a disabled button gets no leave event
}

void CIconButton::setMouseOver(bool over)
{
    if (m_bMouseOver == over)
        return;
    m_bMouseOver = over;
    setIcon(over ? m_iconIn : m_iconOut);
    update();
}

void CIconButton::followPalette()
{
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    for (int i = 0; i < BTNST_MAX_COLORS; ++i) {
        if (!(m_explicitColors & (1u << i)))
            m_colors[i] = (i % 2 == 0) ? face : text;
    }
    if (m_bHoverFace)
        m_colors[BTNST_COLOR_BK_IN] = HoverColor(face);
    update();
}

void CIconButton::DrawBackground(QPainter &painter, const QStyleOptionButton &option)
{
    const QRect r = option.rect;
    painter.fillRect(r, CurrentBackground());
    // Classic 3-D border: light top-left, shadow bottom-right; the other way while pressed.
    const QPalette &pal = palette();
    const bool sunken = option.state & QStyle::State_Sunken;
    const QColor topLeft = sunken ? pal.color(QPalette::Dark) : pal.color(QPalette::Light);
    const QColor bottomRight = sunken ? pal.color(QPalette::Light) : pal.color(QPalette::Dark);
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (option.features & QStyleOptionButton::DefaultButton) {
        painter.setPen(pal.color(QPalette::Shadow));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

QColor CIconButton::CaptionColor() const
{
    return CurrentForeground();
}

void CIconButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    DrawBackground(painter, option);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        content.translate(1, 1);
    const QIcon &icon = m_bMouseOver ? m_iconIn : m_iconOut;
    const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled
        : m_bMouseOver                    ? QIcon::Active
                                          : QIcon::Normal;
    const QString caption = text();
    const QSize iconSz = icon.isNull() ? QSize() : iconSize();
    const int gap = (!icon.isNull() && !caption.isEmpty()) ? 4 : 0;
    const int textWidth = caption.isEmpty()
        ? 0
        : fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
    const int total = std::min(iconSz.width() + gap + textWidth, content.width());
    int x = content.left() + (content.width() - total) / 2;
    if (!icon.isNull()) {
        const QRect iconRect(x, content.top() + (content.height() - iconSz.height()) / 2,
                             iconSz.width(), iconSz.height());
        icon.paint(&painter, iconRect, Qt::AlignCenter, mode);
        x += iconSz.width() + gap;
    }
    if (!caption.isEmpty()) {
        painter.setPen(CaptionColor());
        const QRect textRect(x, content.top(), content.right() - x + 1, content.height());
        const QString shown = fontMetrics().elidedText(caption, Qt::ElideRight, textRect.width(),
                                                       Qt::TextShowMnemonic);
        painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, shown);
    }
    if (hasFocus()) {
        // Our own focus ring in the highlight colour: the style's focus frame is faint or
        // missing on a flat face, and keyboard users must see where they are.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(4, 4, -4, -4), 2, 2);
    }
}
