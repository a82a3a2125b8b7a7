#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <random>

class LiveModule;

// Keeps a live module changing as a real one does: now and then a detector
// goes into alarm and back to rest, voltages and temperature drift, the GSM
// signal wanders, reports get delivered. Driven by a seeded generator, so a
// seed replays the same course of changes.
class LiveActivity : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStepMs = 2000;

    LiveActivity(LiveModule& module, std::uint32_t seed, QObject* parent = nullptr);

    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }
    // One change of state, as the timer makes it.
    void step();

private:
    bool chance(int percent);
    int between(int low, int high);
    void moveDetectors();
    void drift();
    void deliverReports();

    LiveModule& m_module;
    std::mt19937 m_random;
    QTimer m_timer;
    int m_trippedInput = 0; // the detector in alarm, 0 for none
    int m_stepsInAlarm = 0;
};
