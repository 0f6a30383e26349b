#include "chrome/iconbutton.h"

#include "resources/resourceicons.h"

#include <algorithm>

CIconButton::CIconButton(QWidget *parent) : QPushButton(parent)
{
    setFlat(true);
    const QColor face = palette().color(QPalette::Button);
    const QColor text = palette().color(QPalette::ButtonText);
    for (int i = 0; i < BTNST_MAX_COLORS; i += 2) {
        m_colors[i] = face;
        m_colors[i + 1] = text;
    }
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
    setIcon(m_bMouseOver ? m_iconIn : m_iconOut);
}

int CIconButton::SetColor(int nIndex, const QColor &color, bool bRepaint)
{
    if (nIndex < 0 || nIndex >= BTNST_MAX_COLORS)
        return 1;
    m_colors[nIndex] = color;
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
    if (text.isEmpty() == false && accessibleName().isEmpty() && this->text().isEmpty())
        setAccessibleName(text);
}

QColor CIconButton::HoverColor(const QColor &face)
{
    return QColor(std::min(face.red() + 0x1E, 255), std::min(face.green() + 0x1E, 255),
                  std::min(face.blue() + 0x1E, 255));
}
