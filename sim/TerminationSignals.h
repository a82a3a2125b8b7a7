#pragma once

#include "UniqueFd.h"

#include <QObject>
#include <QSocketNotifier>

#include <array>
#include <memory>

#include <signal.h>

// Turns SIGINT, SIGTERM and SIGHUP into a Qt signal through a self-pipe, so
// that the program can leave its event loop and clean up. One instance at a
// time; the previous handlers come back when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    static constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    static void onSignal(int signalNumber);
    void drain();

    UniqueFd m_readEnd;
    UniqueFd m_writeEnd;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::array<struct sigaction, kSignals.size()> m_previous{};
};
