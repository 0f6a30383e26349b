#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Decides whether a name matches what the user typed into a search, letter case ignored
// (both sides folded to lower case). A pattern without "*" or "?" is looked for anywhere in
// the name; one that holds them is a wildcard pattern over the whole name ("*" any run of
// characters, "?" exactly one). No file name on a disc can hold either character, so the two
// readings never meet. Built once per search and asked for every record, so it is fast on
// short names and never allocates while matching.
class NameMatcher
{
public:
    explicit NameMatcher(QStringView pattern);

    bool IsWildcard() const { return m_bWildcard; }
    bool Matches(QStringView name) const;

    // The lower-case form the matcher compares with; the same for a name and for a pattern.
    static char16_t Fold(char16_t ch);

private:
    // One run of the pattern between two "*"; "?" stands for any character.
    struct Segment
    {
        QString text; // folded
        bool anyChar = false; // holds a "?"
        bool asciiEnds = false; // first and last character are ASCII: the fast search applies
    };

    static Segment MakeSegment(QStringView text, bool bWildcard);

    static bool SegmentAt(const char16_t *name, const Segment &segment);
    // First position at or after `from` where the segment matches inside name[0, end), or -1.
    static qsizetype FindSegment(const char16_t *name, qsizetype from, qsizetype end,
                                 const Segment &segment);

    bool m_bWildcard = false;
    Segment m_whole; // the substring, or the pattern when it holds no "*"
    bool m_bStar = false; // the wildcard pattern holds a "*"
    Segment m_head; // before the first "*": must start the name
    Segment m_tail; // after the last "*": must end the name
    QList<Segment> m_middle; // between: found in order, each after the one before
};
