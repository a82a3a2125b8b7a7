#include "RadioDevices.h"

#include <algorithm>

namespace {

constexpr QByteArrayView kPoll = "RPWF";
constexpr QByteArrayView kTeach = "TRF";
constexpr QByteArrayView kDeleteAll = "DLRF";
constexpr QByteArrayView kReportPrefix = "AT_<";
constexpr char kReportEnd = '>';
const QByteArray kRefusedOverCall = "RFTERR";
const QByteArray kWrongCode = "PWDERR";

constexpr int kCodeLength = 6;
constexpr char kFirstPlaceChar = '0';
constexpr std::uint8_t kTeachRunning = 0x80;
constexpr std::uint8_t kNoPlace = 0x7F;
constexpr int kSpareBytes = 2;
constexpr int kDriftStep = 3;

// Demo places: IN8 A, IN9 A, IN9 B and the remotes of users 1 and 2.
constexpr std::array<std::pair<int, std::uint8_t>, 5> kDemoDevices = {{
    {7, RadioDevices::kTaught},
    {8, RadioDevices::kTaught},
    {20, RadioDevices::kTaught | RadioDevices::kLowBattery},
    {24, RadioDevices::kTaught},
    {25, RadioDevices::kTaught},
}};

void appendHex(QByteArray& line, int byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    line.append(kDigits[byte >> 4 & 0x0F]).append(kDigits[byte & 0x0F]);
}

// The code of a command line `word` + `extra` characters + code, or nothing.
std::optional<QByteArrayView> codeOf(QByteArrayView line, QByteArrayView word, int extra = 0)
{
    if (line.size() != word.size() + extra + kCodeLength || !line.startsWith(word))
        return std::nullopt;
    return line.sliced(word.size() + extra);
}

} // namespace

RadioDevices::RadioDevices()
{
    for (const auto& [place, state] : kDemoDevices)
        m_states[std::size_t(place)] = state;
}

std::optional<RadioDevices::Replies> RadioDevices::handleLine(QByteArrayView line, const CodeCheck& codeAccepted)
{
    if (const auto code = codeOf(line, kPoll)) {
        if (!codeAccepted(*code))
            return Replies{kWrongCode};
        return Replies{reportLine()};
    }
    const auto teachCode = codeOf(line, kTeach, 1);
    const auto deleteCode = codeOf(line, kDeleteAll);
    if (!teachCode && !deleteCode)
        return std::nullopt;
    if (!codeAccepted(teachCode ? *teachCode : *deleteCode))
        return Replies{kWrongCode};
    if (m_throughModem)
        return Replies{kRefusedOverCall};
    if (teachCode) {
        // A character outside the 36 places is ignored.
        const int place = line[kTeach.size()] - kFirstPlaceChar;
        if (place >= 0 && place < kPlaces)
            teach(place);
    } else {
        deleteAll();
    }
    return Replies{};
}

void RadioDevices::teach(int place)
{
    m_teaching = place;
    m_teachEnds.setRemainingTime(m_teachMs);
}

void RadioDevices::deleteAll()
{
    m_states.fill(0);
    m_teaching.reset();
}

void RadioDevices::finishTeach()
{
    if (!m_teaching || !m_teachEnds.hasExpired())
        return;
    // A freshly taught device with a fresh battery, heard just now.
    m_states[std::size_t(*m_teaching)] = kTaught;
    m_teaching.reset();
}

void RadioDevices::drift()
{
    std::uniform_int_distribution<int> step(-kDriftStep, kDriftStep);
    m_signal = std::clamp(m_signal + step(m_random), 0, kHighestSignal);
}

QByteArray RadioDevices::reportLine()
{
    finishTeach();
    if (m_drifting)
        drift();
    QByteArray line = kReportPrefix.toByteArray();
    for (std::uint8_t state : m_states)
        appendHex(line, state);
    appendHex(line, m_teaching ? kTeachRunning | *m_teaching : kNoPlace);
    appendHex(line, m_signal);
    for (int i = 0; i < kSpareBytes; ++i)
        appendHex(line, 0);
    line.append(kReportEnd);
    return line;
}
