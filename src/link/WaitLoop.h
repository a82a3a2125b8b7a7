#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// The one wait loop of the program: handles window messages, received bytes
// and timer ticks while keepWaiting() holds, sleeping until the next event
// instead of spinning.
void pumpWhile(const std::function<bool()>& keepWaiting);

// A counter that a timer decrements once per tick while it is above zero
// (the shared `countdown` of the transactions and the modem's countdown).
class TickCounter : public QObject
{
    Q_OBJECT
public:
    explicit TickCounter(QObject* parent = nullptr);

    int value() const { return m_value; }
    void set(int value) { m_value = halted() ? 0 : value; }
    void stop() { m_value = 0; }

    // A halted counter stays at zero: a running wait ends at once and a new
    // one returns without waiting (nothing can answer it).
    void setHalted(bool halted);
    bool halted() const { return m_halted; }

    // Sets the counter to `count` and pumps events until it has run down or
    // `done` holds. The caller judges the outcome from its own flags.
    void wait(int count, const std::function<bool()>& done);

private:
    void tick();

    int m_value = 0;
    bool m_halted = false;
    QTimer m_timer;
};
