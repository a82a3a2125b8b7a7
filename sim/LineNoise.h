#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <random>

// What a noisy line does to one direction of the traffic: each byte that
// crosses it is, with the given probability, replaced by a random printable
// character other than itself, dropped, or doubled, one third each. The same
// seed damages the same positions of the same traffic again, so a run can be
// replayed.
class LineNoise
{
public:
    // The highest probability accepted: every byte damaged.
    static constexpr double kHighestRate = 1.0;

    LineNoise(double rate, std::uint32_t seed);

    // The bytes as they come out at the far end.
    QByteArray pass(QByteArrayView bytes);

    // Bytes handed to the line so far, and those of them damaged in any of
    // the three ways.
    qint64 crossed() const { return m_crossed; }
    qint64 damaged() const { return m_damaged; }

private:
    enum class Damage { Replaced, Dropped, Doubled };

    // One draw per byte whatever it holds, so that the damage falls on the
    // same positions whatever the traffic carries.
    bool strikes();
    Damage damage();
    char replacement(char original);

    // The draw below which a byte is damaged, of the 2^32 a draw can be.
    std::uint64_t m_threshold;
    std::mt19937 m_random;
    qint64 m_crossed = 0;
    qint64 m_damaged = 0;
};
