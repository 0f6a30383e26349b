#include "chrome/iconbutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A shown, active window holding one button, so hover and focus behave as on a desktop.
struct ButtonWindow
{
    QWidget window;
    CIconButton *button;

    explicit ButtonWindow(const QColor &face = QColor(0xF0, 0xF0, 0xF0))
    {
        QPalette pal = window.palette();
        pal.setColor(QPalette::Button, face);
        window.setPalette(pal);
        auto *layout = new QVBoxLayout(&window);
        button = new CIconButton(&window);
        button->setObjectName(QStringLiteral("button"));
        button->setMinimumSize(60, 40);
        layout->addWidget(button);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void enter()
    {
        const QPointF inside(button->width() / 2.0, button->height() / 2.0);
        QEnterEvent e(inside, button->mapTo(&window, inside), button->mapToGlobal(inside));
        QApplication::sendEvent(button, &e);
    }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(button, &e);
    }
    void move(const QPoint &pos, Qt::MouseButtons buttons)
    {
        QMouseEvent e(QEvent::MouseMove, pos, button->mapToGlobal(pos), Qt::NoButton, buttons,
                      Qt::NoModifier);
        QApplication::sendEvent(button, &e);
    }
    // The colour the button painted at a point of its face, clear of border, icon and text.
    QColor paintedFace() const { return button->grab().toImage().pixelColor(2, 2); }
};

} // namespace

// The hover face is the face plus 0x1E per channel, stopping at 255 (a one-number addition
// would carry into the next channel: near black on a light face), and it is what the button
// paints while the mouse is over it, on light and dark faces alike.
TEST(IconButton, HoverFaceIsAddedPerChannelAndPaintedWhileTheMouseIsOver)
{
    const std::pair<QRgb, QRgb> faces[]
        = {{0xF0F0F0, 0xFFFFFF}, {0xE810F5, 0xFF2EFF}, {0x353535, 0x535353}, {0x000000, 0x1E1E1E}};
    for (const auto &[face, hover] : faces) {
        SCOPED_TRACE(QString::number(face, 16).toStdString());
        EXPECT_EQ(CIconButton::HoverColor(QColor(face)), QColor(hover));
        ButtonWindow w {QColor(face)};
        w.button->SetHoverFace();
        EXPECT_EQ(w.paintedFace(), QColor(face));
        w.enter();
        EXPECT_EQ(w.paintedFace(), QColor(hover));
        w.leave();
        EXPECT_EQ(w.paintedFace(), QColor(face));
    }
}

// Six colours, no more; the ones left alone follow a palette switch, one that was set stays.
// Dragging in is no hover; focus and pressing pick their colours; disabling ends a hover.
TEST(IconButton, ColoursFollowThePaletteAndTheButtonsState)
{
    ButtonWindow w;
    CIconButton *b = w.button;
    for (int bad : {6, 7, 100, -1}) {
        EXPECT_NE(b->SetColor(bad, Qt::blue), 0) << bad;
        EXPECT_FALSE(b->GetColor(bad).isValid());
    }
    b->SetHoverFace();
    b->SetColor(CIconButton::BTNST_COLOR_BK_FOCUS, Qt::yellow);
    QPalette dark = w.window.palette();
    dark.setColor(QPalette::Button, QColor(0x3a, 0x3d, 0x42));
    dark.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    w.window.setPalette(dark);
    QList<QColor> colours;
    for (int i = 0; i < CIconButton::BTNST_MAX_COLORS; ++i)
        colours << b->GetColor(i);
    EXPECT_EQ(colours,
              (QList<QColor> {QColor(0x58, 0x5b, 0x60), QColor(0xe6, 0xe6, 0xe6),
                              QColor(0x3a, 0x3d, 0x42), QColor(0xe6, 0xe6, 0xe6),
                              QColor(Qt::yellow), QColor(0xe6, 0xe6, 0xe6)}));

    const QPoint inside(b->width() / 2, b->height() / 2);
    w.move(inside, Qt::LeftButton);
    EXPECT_FALSE(b->IsMouseOver());
    w.move(inside, Qt::NoButton);
    EXPECT_TRUE(b->IsMouseOver());
    // Once hovering, holding the button keeps it; moving out clears it.
    w.move(inside, Qt::LeftButton);
    EXPECT_TRUE(b->IsMouseOver());
    w.move(QPoint(-5, -5), Qt::LeftButton);
    EXPECT_FALSE(b->IsMouseOver());

    b->SetColor(CIconButton::BTNST_COLOR_BK_IN, QColor(0x11, 0x22, 0x33));
    b->SetColor(CIconButton::BTNST_COLOR_BK_OUT, QColor(0x44, 0x55, 0x66));
    b->SetColor(CIconButton::BTNST_COLOR_BK_FOCUS, QColor(0x77, 0x88, 0x99));
    b->SetColor(CIconButton::BTNST_COLOR_FG_FOCUS, QColor(0xAA, 0xBB, 0xCC));
    b->clearFocus(); // the only focusable widget took the focus when the window opened
    EXPECT_EQ(w.paintedFace(), QColor(0x44, 0x55, 0x66));
    b->setFocus();
    ASSERT_TRUE(b->hasFocus());
    EXPECT_EQ(w.paintedFace(), QColor(0x77, 0x88, 0x99));
    EXPECT_EQ(b->CurrentForeground(), QColor(0xAA, 0xBB, 0xCC));
    b->setDown(true);
    EXPECT_EQ(w.paintedFace(), QColor(0x11, 0x22, 0x33));
    b->setDown(false);
    w.move(inside, Qt::NoButton);
    b->setEnabled(false);
    EXPECT_FALSE(b->IsMouseOver());
    EXPECT_EQ(b->CurrentForeground(), b->palette().color(QPalette::Disabled, QPalette::ButtonText));
}

TEST(IconButton, ToolTipIsWrappedToTheMaximumWidthAndNamesIconOnlyButtons)
{
    ButtonWindow w;
    CIconButton *b = w.button;
    b->SetTooltipText(QStringLiteral("Scan New CD Ctrl + Y"));
    EXPECT_EQ((QStringList {b->toolTip(), b->DisplayedToolTip(), b->accessibleName()}),
              QStringList(3, QStringLiteral("Scan New CD Ctrl + Y")));

    QString longTip;
    for (int i = 0; i < 30; ++i)
        longTip += QStringLiteral("word%1 <&> ").arg(i);
    b->SetTooltipText(longTip.trimmed());
    EXPECT_EQ(b->accessibleName(), longTip.trimmed()) << "the name follows a changed tip";
    const QString shown = b->DisplayedToolTip();
    EXPECT_TRUE(shown.contains(QStringLiteral("<br>")));
    EXPECT_TRUE(shown.contains(QStringLiteral("&lt;&amp;&gt;"))) << "tip text is escaped";
    const QFontMetrics fm(QToolTip::font());
    for (const QString &line : shown.split(QStringLiteral("<br>"))) {
        const QString text = QTextDocumentFragment::fromHtml(line).toPlainText();
        EXPECT_LE(fm.horizontalAdvance(text), CIconButton::kMaxTipWidth) << text.toStdString();
    }

    // A caption names the button; the tip does not override it.
    CIconButton captioned(&w.window);
    captioned.setText(QStringLiteral("Get Back"));
    captioned.SetTooltipText(QStringLiteral("Get CD Back Ctrl + H"));
    EXPECT_TRUE(captioned.accessibleName().isEmpty()) << "Qt announces the caption itself";
    EXPECT_EQ(captioned.focusPolicy() & Qt::TabFocus, Qt::TabFocus);
}
