#include "media/utf8names.h"

namespace {

locale_t utf8Locale()
{
    static const locale_t locale = [] {
        locale_t l = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
        return l ? l : ::newlocale(LC_CTYPE_MASK, "en_US.UTF-8", locale_t(nullptr));
    }();
    return locale;
}

} // namespace

Utf8Names::Utf8Names()
{
    if (const locale_t l = utf8Locale())
        m_previous = ::uselocale(l);
}

Utf8Names::~Utf8Names()
{
    if (m_previous)
        ::uselocale(m_previous);
}
