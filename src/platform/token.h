#pragma once

// A notification token: one fixed text that exists exactly once in the program. Receivers
// compare tokens by address, never by their letters, so a string with the same text held
// elsewhere is not the token.
class Token
{
public:
    constexpr explicit Token(const char *text) : m_text(text) { }
    Token(const Token &) = delete;
    Token &operator=(const Token &) = delete;

    constexpr const char *text() const { return m_text; }

private:
    const char *m_text;
};
