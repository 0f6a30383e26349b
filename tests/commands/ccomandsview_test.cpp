#include "chrome/themedbutton.h"
#include "panelharness.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

QStringList texts(const PanelHarness &p, std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *name : names)
        out << p.edit(name)->text();
    return out;
}

TEST(CommandPanel, RefillShowsTheSelectedDiscAndKeepsFieldsForAnEmptyCatalogue)
{
    PanelHarness p;
    const auto shown = [&p] {
        return texts(p,
                     {"cdNumberEdit", "cdNameEdit", "cdArtistEdit", "cdLocationField",
                      "discCountField", "lendEdit"});
    };
    EXPECT_EQ(shown(), (QStringList {"12", "Holiday", "Holiday artist", "home", "3", ""}));
    EXPECT_EQ(texts(p, {"cdQualityEdit", "lastEntryField", "homeDirField", "databaseField"}),
              (QStringList {"good", "12 Holiday", p.catalog.m_strHomeDir, "Personal"}));
    EXPECT_EQ(p.view.findChild<QLabel *>("searchCdLabel")->text(), "12, Holiday");

    // A folder of another disc: the name is the disc part of the path; lend is emptied.
    p.type("lendEdit", "Bob");
    p.select("7", "Jazz\\Live\\");
    EXPECT_EQ(shown(), (QStringList {"7", "Jazz", "Jazz artist", "Anna", "3", ""}));
    EXPECT_EQ(p.view.m_strShownNumber, "7");

    // With "0" discs the disc's own fields and the statistics follow; number and name stay.
    p.catalog.m_strDiscCount = "0";
    p.catalog.m_strLastEntry = "0";
    p.select("3", "Work");
    EXPECT_EQ(shown(), (QStringList {"7", "Jazz", "Work artist", "home", "0", ""}));
    EXPECT_EQ(p.edit("lastEntryField")->text(), "0");
}

TEST(CommandPanel, ButtonsTakeTheHoverFaceOfThePalette)
{
    PanelHarness p;
    const QColor hover = CIconButton::HoverColor(p.view.palette().color(QPalette::Button));
    for (CThemedButton *button : p.view.findChildren<CThemedButton *>())
        EXPECT_EQ(button->GetColor(CIconButton::BTNST_COLOR_BK_IN), hover)
            << button->objectName().toStdString();
    // The hover face follows a change of the desktop's palette (delivered by the event loop).
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(0x30, 0x32, 0x36));
    QApplication::setPalette(dark);
    const auto *scan = static_cast<CIconButton *>(p.button("scanButton"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return scan->GetColor(CIconButton::BTNST_COLOR_BK_IN)
            == CIconButton::HoverColor(QColor(0x30, 0x32, 0x36));
    }));
    QApplication::setPalette(light);
    EXPECT_TRUE(p.button("searchInCdButton")->isHidden());
}

// Save CD Data checks the selection and the number before it changes anything: each attempt
// types its fields in order and saves; a refusal leaves the record as it was, and no two
// discs ever share a number, whichever field was typed first.
TEST(CommandPanel, SaveChecksSelectionAndNumberFirstAndStoresTheNumberPlain)
{
    PanelHarness p;
    const QString folder = "Please, click on the name of the CD!",
                  invalid = "Please, type a valid CD Number.", used = "This number is already used.";
    const QStringList asked {"0:AllowRequest"};
    const struct
    {
        QList<std::pair<const char *, QString>> typed;
        QString said;
        QStringList sent;
        QString record; // number and name after the save
    } saves[] = {
        {{{"cdNameEdit", "Renamed"}, {"cdNumberEdit", "40"}}, folder, asked, "12|Holiday"},
        {{{"cdNumberEdit", "0"}}, invalid, asked, "12|Holiday"},
        {{{"cdNumberEdit", "12abc"}}, invalid, asked, "12|Holiday"},
        {{{"cdNumberEdit", "99999999999999999999"}}, invalid, asked, "12|Holiday"},
        {{{"cdNameEdit", "Renamed"}, {"cdNumberEdit", "7"}}, used, asked, "12|Holiday"},
        {{{"cdNumberEdit", "3"}, {"cdNameEdit", "Other"}}, used, asked, "12|Holiday"},
        {{{"cdNumberEdit", "12"}}, used, asked, "12|Holiday"}, // its own, once edited
        {{{"cdNameEdit", "Beach days"}}, "", asked + QStringList {"3:disc 12"}, "12|Beach days"},
        {{{"cdNumberEdit", " 0040 "}, {"cdNameEdit", "Summer"}}, "",
         asked + QStringList {"3:disc 40"}, "40|Summer"},
    };
    p.discSelected = false; // a folder, for the first attempt
    for (const auto &save : saves) {
        SCOPED_TRACE(save.record.toStdString());
        for (const auto &[name, text] : save.typed)
            p.type(name, text);
        p.button("saveButton")->click();
        p.discSelected = true;
        EXPECT_EQ(p.said(), save.said.isEmpty() ? QStringList() : QStringList {save.said});
        EXPECT_EQ(p.sent(), save.sent);
        const CDisc &disc = p.catalog.m_pDiscs->at(0);
        EXPECT_EQ(disc.m_strNumber + u'|' + disc.m_strName, save.record);
        if (save.said == used) { // the field shows the disc's number again
            EXPECT_EQ(p.edit("cdNumberEdit")->text(), disc.m_strNumber);
        }
    }
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strOldNumber, "12");
    EXPECT_EQ(p.view.m_bNumberEdited, 0);
}

TEST(CommandPanel, CtrlEnterRunsTheActionOfTheFieldEditedLast)
{
    PanelHarness p;
    const std::tuple<const char *, QString, QStringList> steps[] = {
        {nullptr, "", {}}, // nothing edited yet
        {"cdArtistEdit", "Band", {}},
        {"cdQualityEdit", "mint", {}},
        {"findNumberEdit", "7", {"4:7"}},
        {"patternEdit", "beach", {"23:Cats", "5:beach|files|all"}},
        {"lendEdit", "Bob", {"9:Bob"}},
        {"cdNameEdit", "Trip", {"0:AllowRequest", "3:disc 12"}},
    };
    for (const auto &[field, text, sent] : steps) {
        if (field)
            p.type(field, text);
        p.view.OnCommand(32847);
        EXPECT_EQ(p.sent(), sent) << (field ? field : "");
    }
    const CDisc &disc = p.catalog.m_pDiscs->at(0);
    EXPECT_EQ(QStringList({disc.m_strArtist, disc.m_strQuality}), QStringList({"Band", "mint"}));

    // While a friend's catalogue is shown the key does nothing here.
    theAppFlags().m_bHomeDatabase = 0;
    p.type("cdNameEdit", "Friend's trip");
    p.view.OnCommand(32847);
    EXPECT_TRUE(p.sent().isEmpty());
    EXPECT_EQ(disc.m_strName, "Trip");
}

TEST(CommandPanel, LendActsOnThePersonFieldTypedInLast)
{
    PanelHarness p;
    p.type("lendEdit", "Anna");
    p.type("borrowedFromEdit", "Bob");
    EXPECT_EQ(p.edit("lendEdit")->text(), "");
    p.button("lendButton")->click();
    EXPECT_EQ(p.sent(), QStringList {"11:Bob"});
    EXPECT_EQ(p.edit("cdLocationField")->text(), "home");

    p.type("lendEdit", "Carl");
    EXPECT_EQ(p.edit("borrowedFromEdit")->text(), "");
    p.view.OnCommand(32841); // Ctrl+L
    EXPECT_EQ(p.sent(), QStringList {"9:Carl"});
    EXPECT_EQ(p.edit("cdLocationField")->text(), "Carl");

    // An empty name lends nothing, so the shown location stays.
    p.type("lendEdit", "");
    p.button("lendButton")->click();
    EXPECT_EQ(p.sent(), QStringList {"9:"});
    EXPECT_EQ(p.edit("cdLocationField")->text(), "Carl");

    // Get Back puts the disc home without a broadcast.
    p.catalog.m_pDiscs->first().m_strLocation = "Carl";
    p.type("lendEdit", "Dora");
    p.button("getBackButton")->click();
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strLocation, "home");
    EXPECT_EQ(p.edit("cdLocationField")->text(), "home");
    EXPECT_EQ(p.edit("lendEdit")->text(), "");
    EXPECT_TRUE(p.sent().isEmpty());
}

TEST(CommandPanel, SearchesCheckPatternAndScopeBeforeSendingTheRequest)
{
    PanelHarness p;
    p.catalog.m_lstSelection = QStringList {"stale"};
    p.button("nameSearchButton")->click();
    EXPECT_EQ(p.said(), QStringList {"Please, enter a file name to search for."});
    EXPECT_EQ(p.sent(), QStringList {"23:Cats"});
    EXPECT_TRUE(p.catalog.m_lstSelection.isEmpty());

    p.type("patternEdit", "*");
    p.button("nameSearchButton")->click();
    EXPECT_EQ(p.said(),
              QStringList {"Please, use this search pattern only with categories.\nWildcarts are "
                           "not implemented in this freeware version."});
    EXPECT_EQ(p.sent(), QStringList {"23:Cats"});

    p.view.findChild<QRadioButton *>("byCategoryRadio")->click();
    EXPECT_EQ(p.view.m_bByCategory, 1);
    EXPECT_EQ(p.view.m_bEverything, 0);
    p.view.OnCommand(32839); // Ctrl+A
    EXPECT_EQ(p.said(), QStringList {"Please, select categories."});
    EXPECT_EQ(p.sent(), QStringList {"23:Cats"});

    p.chosenCategories = {"Photos"};
    p.button("nameSearchButton")->click();
    EXPECT_EQ(p.said(), QStringList());
    EXPECT_EQ(p.sent(), (QStringList {"23:Cats", "5:*|names|byCat"}));
    EXPECT_EQ(*p.view.m_pRequest, (QStringList {"*", "names", "byCat"}));

    p.view.findChild<QRadioButton *>("everythingRadio")->click();
    p.type("patternEdit", "Beach");
    p.button("fileSearchButton")->click();
    EXPECT_EQ(p.sent(), (QStringList {"23:Cats", "5:Beach|files|all"}));
}

TEST(CommandPanel, SearchInCdListsMatchingFilesOfTheShownDisc)
{
    PanelHarness p;
    p.view.OnCommand(32840); // Ctrl+D
    EXPECT_EQ(p.said(), QStringList {"Please, type the name of the file to search."});

    // Everything: case-insensitive, only disc 12, the file list walked from its tail.
    p.type("patternEdit", "BEACH");
    p.view.OnCommand(32824);
    EXPECT_EQ(p.sent().last(), "55:beach2.png|Beach.JPG");

    p.view.findChild<QRadioButton *>("byCategoryRadio")->click();
    p.view.OnCommand(32840);
    EXPECT_EQ(p.said(), QStringList {"Please, select categories."});
    EXPECT_EQ(p.sent(), QStringList {"23:Cats"});

    // By category: every chosen category must be on the file; walked from the head.
    p.chosenCategories = {"Photos"};
    p.view.OnCommand(32840);
    EXPECT_EQ(p.sent().last(), "55:Beach.JPG|beach2.png");
    p.chosenCategories = {"Summer", "Photos"};
    p.view.OnCommand(32840);
    EXPECT_EQ(p.sent().last(), "55:Beach.JPG");
    p.chosenCategories = {"Jazz"};
    p.view.OnCommand(32840);
    EXPECT_EQ(p.sent().last(), "55:");
    EXPECT_TRUE(p.view.m_pResult->isEmpty());
}

} // namespace
