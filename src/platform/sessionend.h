#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so that
// ending the session by a signal saves the catalogue the same way the close box does. One
// instance per process.
class SessionEndWatcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionEndWatcher)

public:
    explicit SessionEndWatcher(QObject *parent = nullptr);
    ~SessionEndWatcher() override;

    bool isActive() const { return m_pNotifier != nullptr; }

Q_SIGNALS:
    void endRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_pNotifier = nullptr;
};
