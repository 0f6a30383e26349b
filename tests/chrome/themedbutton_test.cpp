#include "chrome/themedbutton.h"
#include "chrome/themeloader.h"

#include <QApplication>
#include <QCommonStyle>
#include <QEnterEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

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

// Puts a style on the application for one test and restores the one before.
class AppStyleScope
{
public:
    explicit AppStyleScope(QStyle *style) : m_previous(QApplication::style()->name())
    {
        QApplication::setStyle(style);
    }
    ~AppStyleScope() { QApplication::setStyle(m_previous); }
    AppStyleScope(const AppStyleScope &) = delete;
    AppStyleScope &operator=(const AppStyleScope &) = delete;

private:
    QString m_previous;
};

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
    QProxyStyle proxyOfFusion(QStringLiteral("Fusion"));
    EXPECT_FALSE(CThemeLoader::IsThemedStyle(fusion.get()));
    EXPECT_FALSE(CThemeLoader::IsThemedStyle(windows.get()));
    EXPECT_FALSE(CThemeLoader::IsThemedStyle(&proxyOfFusion)) << "a proxy is judged by its base";
    EXPECT_FALSE(CThemeLoader::IsThemedStyle(nullptr));
    EXPECT_TRUE(CThemeLoader::IsThemedStyle(&desktop));

    CThemeLoader loader;
    {
        AppStyleScope scope(new RecordingStyle);
        EXPECT_TRUE(loader.IsAppThemed());
    }
    {
        AppStyleScope scope(QStyleFactory::create(QStringLiteral("Windows")));
        EXPECT_FALSE(loader.IsAppThemed());
    }
}

TEST(ThemedButton, DrawsTheStylePanelOnlyWithALoaderAndHandsItTheStateThatApplies)
{
    auto *style = new RecordingStyle;
    AppStyleScope scope(style);
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

    EXPECT_FALSE(button->DrawsThemed()) << "no loader attached";
    style->bevels = 0;
    EXPECT_EQ(painted(), face);
    EXPECT_EQ(style->bevels, 0);
    CThemeLoader loader;
    button->SetThemeHelper(&loader);
    EXPECT_TRUE(button->DrawsThemed());
    EXPECT_EQ(painted(), QColor(0x12, 0x34, 0x56));
    EXPECT_GT(style->bevels, 0);
    button->SetThemeHelper(nullptr);
    EXPECT_FALSE(button->DrawsThemed());
    EXPECT_EQ(painted(), face);

    button->SetThemeHelper(&loader);
    using S = CThemedButton::ThemeState;

    EXPECT_EQ(button->CurrentThemeState(), S::Normal);
    painted();
    EXPECT_TRUE(style->lastState & QStyle::State_Enabled);
    EXPECT_TRUE(style->lastState & QStyle::State_Raised);
    EXPECT_FALSE(style->lastState & (QStyle::State_MouseOver | QStyle::State_Sunken));
    EXPECT_FALSE(style->lastDefault);

    button->setDefault(true);
    EXPECT_EQ(button->CurrentThemeState(), S::Defaulted);
    painted();
    EXPECT_TRUE(style->lastDefault);

    sendEnter(button);
    ASSERT_TRUE(button->IsMouseOver());
    EXPECT_EQ(button->CurrentThemeState(), S::Hot) << "hot wins over defaulted";
    painted();
    EXPECT_TRUE(style->lastState & QStyle::State_MouseOver);
    EXPECT_FALSE(style->lastDefault);

    button->setDown(true);
    EXPECT_EQ(button->CurrentThemeState(), S::Pressed);
    painted();
    EXPECT_TRUE(style->lastState & QStyle::State_Sunken);
    EXPECT_FALSE(style->lastState & QStyle::State_MouseOver);

    button->setEnabled(false);
    EXPECT_EQ(button->CurrentThemeState(), S::Disabled) << "disabled wins over everything";
    painted();
    EXPECT_FALSE(style->lastState & QStyle::State_Enabled);
}
