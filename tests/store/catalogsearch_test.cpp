#include "store/catalogsearch.h"
#include "store/namematcher.h"
#include "store/shownfolder.h"
#include "support/records.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(NameMatcher, SubstringsAndWildcardsIgnoreLetterCase)
{
    const struct
    {
        const char16_t *pattern;
        const char16_t *name;
        bool match;
    } cases[] = {
        {u"MP3", u"Song.mp3", true},
        {u"mp3", u"MP3LIST.TXT", true},
        {u"song", u"Son.mp3", false},
        {u"", u"anything", true},
        {u"é", u"CAFÉ.txt", true},
        {u"ß", u"STRASSE", false}, // one character never matches two
        {u"*.mp3", u"Song.MP3", true},
        {u"*.mp3", u"Song.mp3.txt", false},
        {u"IMG_????.JPG", u"img_0042.jpg", true},
        {u"IMG_????.JPG", u"img_042.jpg", false},
        {u"*live*2019*", u"Best of LIVE at Wacken 2019 (cut).mkv", true},
        {u"*live*2019*", u"2019 live.mkv", false},
        {u"a*a", u"a", false}, // head and tail may not share a character
        {u"a*a", u"aa", true},
        {u"*", u"", true},
        {u"?", u"", false},
        {u"*[1]*", u"disc [1].iso", true}, // brackets are plain characters
        {u"*.*", u"README", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NameMatcher(QStringView(c.pattern)).Matches(QStringView(c.name)), c.match)
            << QString::fromUtf16(c.pattern).toStdString() << " / "
            << QString::fromUtf16(c.name).toStdString();
}

// The fast search works on blocks of the name; long and odd names must give what a plain
// character-by-character comparison gives.
TEST(NameMatcher, AgreesWithAPlainComparisonOnRandomNames)
{
    const char16_t alphabet[] = u"abcABC._- \u00e9\u00c9\u0130\u212a1k";
    std::mt19937 rng(5);
    auto randomText = [&](int maxLength) {
        QString s;
        const int n = int(rng() % unsigned(maxLength + 1));
        for (int i = 0; i < n; ++i)
            s += QChar(alphabet[rng() % (std::size(alphabet) - 1)]);
        return s;
    };
    auto fold = [](QString s) {
        for (QChar &ch : s)
            ch = QChar(NameMatcher::Fold(ch.unicode()));
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const QString name = randomText(40);
        const QString pattern = randomText(4);
        EXPECT_EQ(NameMatcher(pattern).Matches(name), fold(name).contains(fold(pattern)))
            << pattern.toStdString() << " in " << name.toStdString();
    }
    // A character beyond ASCII that folds to ASCII (the Kelvin sign) counts in a long name too.
    EXPECT_TRUE(NameMatcher(u"xk").Matches(u"xxxxxxxxxxxxxxxxxxxxxxx\u212a"));
}

CFileData file(const char *name, const QStringList &categories = {}, const char *number = "1",
               const char *folder = "e:\\music\\live\\")
{
    return MakeFile(number, folder, QString::fromUtf8(name), {}, categories);
}

TEST(CatalogSearch, FindsByNameAndByEveryCategoryWithoutChangingARecord)
{
    const CFileList files
        = {file("Song.mp3", {"Live", "Music"}), file("mp3list.txt"), file("Intro.MP3", {"Music"}),
           file("cover.jpg", {"music", "Live"}), file("Encore.flac", {"Music", "Live", "Rock"})};
    const CFileList before = files;
    const QStringList both = {"Music", "Live"};

    using CatalogSearch::FindFiles;
    EXPECT_EQ(FindFiles(files, "MP3"), (QList<qsizetype> {0, 1, 2}));
    EXPECT_EQ(FindFiles(files, "*.mp3"), (QList<qsizetype> {0, 2}));
    EXPECT_EQ(FindFiles(files, "*"), (QList<qsizetype> {0, 1, 2, 3, 4}));
    // With categories a bare "*" takes every file that carries them all, exactly spelled.
    EXPECT_EQ(FindFiles(files, "*", &both), (QList<qsizetype> {0, 4}));
    EXPECT_EQ(FindFiles(files, "o", &both), (QList<qsizetype> {0, 4}));
    EXPECT_EQ(FindFiles(files, "mp3", &both), (QList<qsizetype> {0}));
    const QStringList none;
    EXPECT_EQ(FindFiles(files, "*", &none).size(), 5);
    EXPECT_EQ(files, before);

    CDiscList discs(3);
    discs[0].m_strName = "Holiday 2019";
    discs[1].m_strName = "Concert";
    discs[1].m_lstCategories = {"Music"};
    discs[2].m_strName = "HOLIDAY 2020";
    const QStringList music = {"Music"};
    EXPECT_EQ(CatalogSearch::FindDiscs(discs, "holiday"), (QList<qsizetype> {0, 2}));
    EXPECT_EQ(CatalogSearch::FindDiscs(discs, "*", &music), (QList<qsizetype> {1}));
}

TEST(ShownFolder, TagsOnlyTheNamedFilesOfTheShownFolderOfTheSelectedDisc)
{
    CFileList files = {file("Song.MP3"), file("song.mp3", {}, "1", "e:\\music\\"), // another folder
                       file("Song.MP3", {}, "2"), // another disc
                       file("Intro.mp3", {"Live"}), file("README", {}, "1", "e:\\")};
    const ShownFolder live("1", "1 Concert\\Music\\Live");
    EXPECT_EQ(live.AttachCategories(files, {"Music", "Live"}, {"song.mp3", "INTRO.MP3"}), 2);
    EXPECT_EQ(files[0].m_lstCategories, (QStringList {"Live", "Music"}));
    EXPECT_EQ(files[3].m_lstCategories, (QStringList {"Music", "Live"}));
    EXPECT_TRUE(files[1].m_lstCategories.isEmpty() && files[2].m_lstCategories.isEmpty());
    EXPECT_EQ(files[0].m_strFileName, "Song.MP3");

    EXPECT_EQ(live.FindFile(files, "INTRO.MP3"), &files[3]);
    EXPECT_EQ(ShownFolder("1", "1 Concert").FindFile(files, "readme"), &files[4]);
    EXPECT_EQ(ShownFolder("1", "1 Concert").FindFile(files, "Song.mp3"), nullptr);
}

} // namespace
