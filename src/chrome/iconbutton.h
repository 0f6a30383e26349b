#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>

class QStyleOptionButton;

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

    // Widest tool tip in pixels; longer tips are wrapped at word boundaries.
    static constexpr int kMaxTipWidth = 400;

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
    // Makes the mouse-over background HoverColor() of the palette's button face, and keeps it
    // so when the palette changes (a switch between light and dark desktop themes).
    void SetHoverFace();

    // The background and text colour the button paints with in its present state.
    QColor CurrentBackground() const;
    QColor CurrentForeground() const;
    // The tool tip as it is shown: the text, wrapped to at most kMaxTipWidth pixels.
    QString DisplayedToolTip() const;

protected:
    bool event(QEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

    // Fills the face behind icon and text; the classic face with a 3-D border here.
    virtual void DrawBackground(QPainter &painter, const QStyleOptionButton &option);
    // Colour of the caption on top of the background drawn above.
    virtual QColor CaptionColor() const;

    bool m_bMouseOver = false;
    QIcon m_iconIn;
    QIcon m_iconOut;
    QColor m_colors[BTNST_MAX_COLORS];

private:
    void setMouseOver(bool over);
    void followPalette();

    // Bit i set: colour i was set by the owner and no longer follows the palette.
    unsigned m_explicitColors = 0;
    bool m_bHoverFace = false;
    bool m_bNameFromTip = false;
};
