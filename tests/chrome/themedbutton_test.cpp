#include "chrome/themedbutton.h"
#include "chrome/themeloader.h"

#include <QApplication>
#include <QCommonStyle>
#include <QEnterEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A desktop-like style that is none of Qt's fallbacks; it remembers the panel it was asked
// to draw last.
class RecordingStyle : public QCommonStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_PushButtonBevel) {
            const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
            ++bevels;
            lastState = option->state;
            lastDefault = button && (button->features & QStyleOptionButton::DefaultButton);
            painter->fillRect(option->rect, QColor(0x12, 0x34, 0x56));
            return;
        }
        QCommonStyle::drawControl(element, option, painter, widget);
    }
    mutable int bevels = 0;
    mutable State lastState;
    mutable bool lastDefault = false;
};

// Puts a style on the application until the returned guard goes, then the one before.
auto useStyle(QStyle *style)
{
    const QString previous = QApplication::style()->name();
    QApplication::setStyle(style);
    return qScopeGuard([previous] { QApplication::setStyle(previous); });
}

void sendEnter(QWidget *w)
{
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QEnterEvent e(p, w->mapTo(w->window(), p), w->mapToGlobal(p));
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(ThemeLoader, OnlyDesktopStylesCountAsThemed)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    RecordingStyle desktop;
    QProxyStyle proxyOfFusion(QStringLiteral("Fusion")); // a proxy is judged by its base
    for (QStyle *style : {fusion.get(), windows.get(), static_cast<QStyle *>(&proxyOfFusion),
                          static_cast<QStyle *>(nullptr)})
        EXPECT_FALSE(CThemeLoader::IsThemedStyle(style));
    EXPECT_TRUE(CThemeLoader::IsThemedStyle(&desktop));

    // Asked again at each paint: the application's style of the moment counts.
    CThemeLoader loader;
    {
        const auto scope = useStyle(new RecordingStyle);
        EXPECT_TRUE(loader.IsAppThemed());
    }
    const auto scope = useStyle(QStyleFactory::create(QStringLiteral("Windows")));
    EXPECT_FALSE(loader.IsAppThemed());
}

// With a loader the button draws the style's panel, in the state that applies, the later one
// winning: normal, default, hot, pressed, disabled. Without one it draws the classic face.
TEST(ThemedButton, DrawsTheStylePanelOnlyWithALoaderAndHandsItTheStateThatApplies)
{
    auto *style = new RecordingStyle;
    const auto scope = useStyle(style);
    QWidget window;
    auto *button = new CThemedButton(&window);
    button->setGeometry(30, 30, 60, 40); // away from where the pointer may rest
    window.resize(120, 100);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    const QColor face = button->palette().color(QPalette::Button);
    const auto painted = [&] { return button->grab().toImage().pixelColor(2, 2); };
    // The state the style was handed at the last paint: Enabled, Raised, mouse Over, Sunken,
    // Default.
    const auto drawn = [&] {
        style->bevels = 0;
        painted();
        QString flags;
        for (const auto &[flag, letter] : {std::pair {QStyle::State_Enabled, 'E'},
                                           {QStyle::State_Raised, 'R'},
                                           {QStyle::State_MouseOver, 'O'},
                                           {QStyle::State_Sunken, 'S'}})
            if (style->lastState & flag)
                flags += QLatin1Char(letter);
        return style->bevels ? flags + (style->lastDefault ? "D" : "") : QString("none");
    };

    EXPECT_EQ(drawn(), "none");
    EXPECT_EQ(painted(), face);
    CThemeLoader loader;
    button->SetThemeHelper(&loader);
    EXPECT_EQ(painted(), QColor(0x12, 0x34, 0x56));
    button->SetThemeHelper(nullptr);
    EXPECT_EQ(drawn(), "none");
    EXPECT_EQ(painted(), face);

    button->SetThemeHelper(&loader);
    using S = CThemedButton::ThemeState;
    const std::tuple<std::function<void()>, S, const char *> steps[] = {
        {[] {}, S::Normal, "ER"},
        {[&] { button->setDefault(true); }, S::Defaulted, "ERD"},
        {[&] { sendEnter(button); }, S::Hot, "ERO"},
        {[&] { button->setDown(true); }, S::Pressed, "ES"},
        {[&] { button->setEnabled(false); }, S::Disabled, "R"},
    };
    for (const auto &[act, state, flags] : steps) {
        act();
        EXPECT_EQ(button->CurrentThemeState(), state) << flags;
        EXPECT_EQ(drawn().toStdString(), flags);
    }
}
