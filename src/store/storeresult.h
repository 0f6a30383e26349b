#pragma once

#include <QString>

// The outcome of a store operation: success, or a message for the user that names the file
// and says what went wrong. The store never throws.
class StoreResult
{
public:
    static StoreResult success() { return StoreResult(true, {}); }
    static StoreResult failure(const QString &message) { return StoreResult(false, message); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString &message() const { return m_message; }

private:
    StoreResult(bool ok, QString message) : m_ok(ok), m_message(std::move(message)) { }

    bool m_ok;
    QString m_message;
};
