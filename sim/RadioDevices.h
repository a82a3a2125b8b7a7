#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>

// The module's radio receiver: 36 device places (IN1-IN12 device A, then
// device B, then the remote controls of users 1-12), a teach that completes a
// few seconds after it starts, and the strength of the last radio signal.
//
// Commands, each followed by the six-character code: "RPWF" is answered by
// the radio report "AT_<", "TRF" + the character 48 + place starts a teach,
// "DLRF" forgets every device. Over a modem call the module refuses teaching
// and deleting with "RFTERR"; a wrong code is refused with "PWDERR".
class RadioDevices
{
public:
    static constexpr int kPlaces = 36;
    static constexpr int kDefaultTeachMs = 3000;
    static constexpr int kHighestSignal = 63;

    // State bits of a place.
    static constexpr std::uint8_t kTaught = 0x01;
    static constexpr std::uint8_t kLowBattery = 0x04;

    using Replies = QList<QByteArray>;
    using CodeCheck = std::function<bool(QByteArrayView code)>;

    // The demo: devices on the radio zones IN8 and IN9 (IN9's device B with a
    // low battery) and the remote controls of users 1 and 2.
    RadioDevices();

    // The replies to a radio command, or nothing when the line is none.
    std::optional<Replies> handleLine(QByteArrayView line, const CodeCheck& codeAccepted);

    // Lines reach the module through a modem call.
    void setThroughModem(bool through) { m_throughModem = through; }
    // Whether the last signal's strength wanders from report to report.
    void setDrifting(bool drifting) { m_drifting = drifting; }
    void setTeachDurationMs(int ms) { m_teachMs = ms; }

    std::uint8_t state(int place) const { return m_states.at(std::size_t(place)); }

    void teach(int place);
    void deleteAll();
    // "AT_<", the 36 states, the teach byte, the signal and two spare bytes
    // as hex pairs, then ">".
    QByteArray reportLine();

private:
    void finishTeach();
    void drift();

    std::array<std::uint8_t, kPlaces> m_states{};
    std::optional<int> m_teaching;
    QDeadlineTimer m_teachEnds;
    int m_teachMs = kDefaultTeachMs;
    int m_signal = 41;
    bool m_throughModem = false;
    bool m_drifting = true;
    std::minstd_rand m_random{2024};
};
