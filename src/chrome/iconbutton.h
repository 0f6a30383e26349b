#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>

// A flat push button that shows an icon, a tool tip and, while the mouse is over it, its own
// hover colours. Used by the two form panes and the dialogs.
class CIconButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CIconButton)

public:
    enum ColorIndex {
        BTNST_COLOR_BK_IN = 0, // background, mouse over
        BTNST_COLOR_FG_IN = 1,
        BTNST_COLOR_BK_OUT = 2, // background, mouse away
        BTNST_COLOR_FG_OUT = 3,
        BTNST_COLOR_BK_FOCUS = 4,
        BTNST_COLOR_FG_FOCUS = 5,
        BTNST_MAX_COLORS = 6
    };

    explicit CIconButton(QWidget *parent = nullptr);
    ~CIconButton() override;

    // Icons by resource number: shown while the mouse is over the button, and otherwise.
    void SetIcon(int nIconIn, int nIconOut);
    void SetIcon(const QIcon &iconIn, const QIcon &iconOut);
    // 0 on success; a number of 6 or more is refused with a non-zero result.
    int SetColor(int nIndex, const QColor &color, bool bRepaint = true);
    QColor GetColor(int nIndex) const;
    void SetTooltipText(const QString &text);

    bool IsMouseOver() const { return m_bMouseOver; }

    // The button-face colour lightened by 0x1E in each channel, stopping at 255.
    static QColor HoverColor(const QColor &face);

protected:
    bool m_bMouseOver = false;
    QIcon m_iconIn;
    QIcon m_iconOut;
    QColor m_colors[BTNST_MAX_COLORS];
};
