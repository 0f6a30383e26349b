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

TEST(CommandPanel, ButtonsCarryTheirFacesTipsAndNames)
{
    PanelHarness p;
    const QColor hover = CIconButton::HoverColor(p.view.palette().color(QPalette::Button));
    for (CThemedButton *button : p.view.findChildren<CThemedButton *>()) {
        const std::string name = button->objectName().toStdString();
        EXPECT_EQ(button->GetColor(CIconButton::BTNST_COLOR_BK_IN), hover) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(button->text().isEmpty() != button->icon().isNull()) << name;
    }
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
    for (QLineEdit *field : p.view.findChildren<QLineEdit *>())
        EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
}

TEST(CommandPanel, SaveIsRefusedForAFolderOrABadNumberAndStoresTheNumberPlain)
{
    PanelHarness p;
    p.discSelected = false;
    p.type("cdNameEdit", "Renamed");
    p.type("cdNumberEdit", "40");
    p.button("saveButton")->click();
    EXPECT_EQ(p.said(), QStringList {"Please, click on the name of the CD!"});
    EXPECT_EQ(p.sent(), QStringList {"0:AllowRequest"});
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strName, "Holiday");

    p.discSelected = true;
    for (const char *bad : {"0", "-3", "abc", "12abc", "1000000", "99999999999999999999"}) {
        p.type("cdNumberEdit", bad);
        p.view.OnCommand(32836); // Ctrl+S
        EXPECT_EQ(p.said(), QStringList {"Please, type a valid CD Number."}) << bad;
        EXPECT_EQ(p.sent(), QStringList {"0:AllowRequest"}) << bad;
        EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strNumber, "12");
    }
    p.type("cdNumberEdit", " 0040 ");
    p.type("cdNameEdit", "Summer");
    p.button("saveButton")->click();
    EXPECT_EQ(p.said(), QStringList());
    EXPECT_EQ(p.sent(), (QStringList {"0:AllowRequest", "3:disc 40"}));
    const CDisc &disc = p.catalog.m_pDiscs->at(0);
    EXPECT_EQ(disc.m_strNumber, "40");
    EXPECT_EQ(disc.m_strName, "Summer");
    EXPECT_EQ(disc.m_strOldNumber, "12");
    EXPECT_EQ(p.view.m_bNumberEdited, 0);
}

TEST(CommandPanel, RenumberingOntoAUsedNumberIsRefusedAndChangesNothing)
{
    PanelHarness p;
    // Name first, then a used number: refused as a whole, the field shows 12 again.
    p.type("cdNameEdit", "Renamed");
    p.type("cdNumberEdit", "7");
    p.button("saveButton")->click();
    EXPECT_EQ(p.said(), QStringList {"This number is already used."});
    EXPECT_EQ(p.edit("cdNumberEdit")->text(), "12");
    EXPECT_EQ(p.sent(), QStringList {"0:AllowRequest"});
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strName, "Holiday");

    // A used number typed before the name edit is refused as well: no two discs share one.
    p.type("cdNumberEdit", "3");
    p.type("cdNameEdit", "Other");
    p.button("saveButton")->click();
    EXPECT_EQ(p.said(), QStringList {"This number is already used."});
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strNumber, "12");

    // The own number after editing the number field counts as used.
    p.type("cdNumberEdit", "12");
    p.button("saveButton")->click();
    EXPECT_EQ(p.said(), QStringList {"This number is already used."});

    // Editing only the name never reports a used number.
    p.sent();
    p.type("cdNameEdit", "Beach days");
    p.button("saveButton")->click();
    EXPECT_EQ(p.said(), QStringList());
    EXPECT_EQ(p.sent(), (QStringList {"0:AllowRequest", "3:disc 12"}));
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strName, "Beach days");
}

TEST(CommandPanel, CtrlEnterRunsTheActionOfTheFieldEditedLast)
{
    PanelHarness p;
    p.view.OnCommand(32847);
    EXPECT_TRUE(p.sent().isEmpty()); // nothing edited yet

    p.type("cdArtistEdit", "Band");
    p.type("cdQualityEdit", "mint");
    p.view.OnCommand(32847);
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strArtist, "Band");
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strQuality, "mint");
    EXPECT_TRUE(p.sent().isEmpty());

    p.type("findNumberEdit", "7");
    p.view.OnCommand(32847);
    EXPECT_EQ(p.sent(), QStringList {"4:7"});

    p.type("patternEdit", "beach");
    p.view.OnCommand(32847);
    EXPECT_EQ(p.sent(), (QStringList {"23:Cats", "5:beach|files|all"}));

    p.type("lendEdit", "Bob");
    p.view.OnCommand(32847);
    EXPECT_EQ(p.sent(), QStringList {"9:Bob"});

    p.type("cdNameEdit", "Trip");
    p.view.OnCommand(32847);
    EXPECT_EQ(p.sent(), (QStringList {"0:AllowRequest", "3:disc 12"}));

    // While a friend's catalogue is shown the key does nothing here.
    theAppFlags().m_bHomeDatabase = 0;
    p.type("cdNameEdit", "Friend's trip");
    p.view.OnCommand(32847);
    EXPECT_TRUE(p.sent().isEmpty());
    EXPECT_EQ(p.catalog.m_pDiscs->at(0).m_strName, "Trip");
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

TEST(CommandPanel, CdInfoAndViewModes)
{
    PanelHarness p;
    p.view.OnCommand(32789);
    EXPECT_EQ(p.said(), QStringList());
    p.catalog.m_pDiscs->clear();
    p.view.OnCommand(32789);
    EXPECT_EQ(p.said(), QStringList {"No CD on the List"});

    // What the view modes broadcast is checked with the key table; here the flag.
    p.view.OnCommand(32809);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 0);
    p.view.OnCommand(32810);
    EXPECT_EQ(theAppFlags().m_bSmallIcons, 1);
}

} // namespace
