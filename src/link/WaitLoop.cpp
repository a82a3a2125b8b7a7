#include "link/WaitLoop.h"

#include "link/Ticks.h"

#include <QCoreApplication>
#include <QEventLoop>

void pumpWhile(const std::function<bool()>& keepWaiting)
{
    while (keepWaiting())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TickCounter::TickCounter(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(ticks::toMs(ticks::kCounterPeriod));
    connect(&m_timer, &QTimer::timeout, this, &TickCounter::tick);
    m_timer.start();
}

void TickCounter::tick()
{
    if (m_value > 0)
        --m_value;
}

void TickCounter::setHalted(bool halted)
{
    m_halted = halted;
    if (halted)
        stop();
}

void TickCounter::wait(int count, const std::function<bool()>& done)
{
    set(count);
    pumpWhile([&] { return m_value > 0 && !done(); });
}
