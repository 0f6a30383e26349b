#pragma once

#include <locale.h>

// libarchive turns the names it reads (UTF-16 Joliet names, zip names) into the character set
// of the thread's locale, and in the "C" locale a name outside ASCII comes back empty. While
// one of these lives, the calling thread reads names as UTF-8 whatever the user's locale.
class Utf8Names final
{
public:
    Utf8Names();
    ~Utf8Names();
    Utf8Names(const Utf8Names &) = delete;
    Utf8Names &operator=(const Utf8Names &) = delete;

private:
    locale_t m_previous = nullptr;
};
