#pragma once

// Every timer of the program counts in ticks of one common length (100 ms in
// use). Tests shorten the length so that long time-outs pass in milliseconds;
// the counts themselves never change.
namespace ticks {

constexpr int kDefaultLengthMs = 100;

int lengthMs();
void setLengthMs(int ms);
inline int toMs(int count) { return count * lengthMs(); }

// Waits of the block transactions.
constexpr int kCodeCheck = 30;
constexpr int kBlockRead = 50;
constexpr int kBlockWrite = 80;
constexpr int kActivation = 100;
constexpr int kAlarmStop = 60;

// Periods of the repeating timers.
constexpr int kCounterPeriod = 1;     // countdown and modem countdown: 100 ms
constexpr int kPollPeriod = 5;        // status and radio polling: 500 ms
constexpr int kSplashStep = 10;       // start-up steps: 1000 ms
constexpr int kCodeTimerPeriod = 50;  // periodic installer code check: 5000 ms

} // namespace ticks
