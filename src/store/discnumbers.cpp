#include "store/discnumbers.h"

#include "store/textnumbers.h"

#include <algorithm>
#include <vector>

std::optional<int> ParseDiscNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 32)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > kMaxDiscNumber)
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return int(value);
}

int CountedDiscNumber(QStringView number)
{
    const int value = atoiText(number);
    return value >= 1 && value <= kMaxDiscNumber ? value : 0;
}

namespace {

// The counted numbers, sorted, without repeats.
std::vector<int> countedNumbers(const CDiscList &discs)
{
    std::vector<int> numbers;
    numbers.reserve(size_t(discs.size()));
    for (const CDisc &disc : discs)
        if (const int n = CountedDiscNumber(disc.m_strNumber))
            numbers.push_back(n);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

} // namespace

QList<int> CollectGaps(const CDiscList &discs)
{
    const std::vector<int> numbers = countedNumbers(discs);
    QList<int> gaps;
    if (numbers.empty())
        return gaps;
    gaps.reserve(numbers.back() - qsizetype(numbers.size()));
    int expected = 1;
    for (const int n : numbers) {
        for (; expected < n; ++expected)
            gaps.append(expected);
        expected = n + 1;
    }
    return gaps;
}

int NextDiscNumber(const CDiscList &discs)
{
    const std::vector<int> numbers = countedNumbers(discs);
    if (numbers.empty())
        return 1;
    if (numbers.back() < kMaxDiscNumber)
        return numbers.back() + 1;
    int expected = 1;
    for (const int n : numbers) {
        if (n != expected)
            return expected;
        ++expected;
    }
    return 0;
}
