#pragma once

#include "platform/token.h"

#include <QString>
#include <QStringList>

class CCatalog;
class CDisc;

// The one argument of a notification. It knows what it holds, so a receiver asks for the
// kind it expects and gets nullptr for anything else instead of casting a bare pointer.
// Text and lists are borrowed from the sender and valid only during the broadcast.
class HintArg
{
public:
    enum class Kind { Null, Token, Catalog, Text, List, Disc };

    HintArg() = default;
    HintArg(const Token &token) : m_kind(Kind::Token), m_token(&token) { }
    HintArg(CCatalog *catalog) : m_kind(Kind::Catalog), m_catalog(catalog) { }
    HintArg(const QString &text) : m_kind(Kind::Text), m_text(&text) { }
    HintArg(const QStringList &list) : m_kind(Kind::List), m_list(&list) { }
    HintArg(CDisc *disc) : m_kind(Kind::Disc), m_disc(disc) { }

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::Null; }

    // True only for the very token given, compared by address.
    bool is(const Token &token) const { return m_kind == Kind::Token && m_token == &token; }
    const Token *token() const { return m_kind == Kind::Token ? m_token : nullptr; }
    CCatalog *catalog() const { return m_kind == Kind::Catalog ? m_catalog : nullptr; }
    const QString *text() const { return m_kind == Kind::Text ? m_text : nullptr; }
    const QStringList *list() const { return m_kind == Kind::List ? m_list : nullptr; }
    CDisc *disc() const { return m_kind == Kind::Disc ? m_disc : nullptr; }

private:
    Kind m_kind = Kind::Null;
    union {
        const Token *m_token = nullptr;
        CCatalog *m_catalog;
        const QString *m_text;
        const QStringList *m_list;
        CDisc *m_disc;
    };
};
