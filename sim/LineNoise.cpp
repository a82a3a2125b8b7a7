#include "LineNoise.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kDraws = std::uint64_t(1) << 32;
constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';
constexpr int kPrintables = kLastPrintable - kFirstPrintable + 1;
constexpr int kDamageKinds = 3;

bool printable(char c)
{
    return c >= kFirstPrintable && c <= kLastPrintable;
}

} // namespace

LineNoise::LineNoise(double rate, std::uint32_t seed)
    : m_threshold(std::uint64_t(std::clamp(rate, 0.0, kHighestRate) * double(kDraws)))
    , m_random(seed)
{
}

QByteArray LineNoise::pass(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + 1);
    m_crossed += bytes.size();
    for (char c : bytes) {
        if (!strikes()) {
            out.append(c);
            continue;
        }
        ++m_damaged;
        switch (damage()) {
        case Damage::Replaced: out.append(replacement(c)); break;
        case Damage::Dropped: break;
        case Damage::Doubled: out.append(c).append(c); break;
        }
    }
    return out;
}

bool LineNoise::strikes()
{
    return m_random() < m_threshold;
}

LineNoise::Damage LineNoise::damage()
{
    return Damage(m_random() % kDamageKinds);
}

char LineNoise::replacement(char original)
{
    // A printable character stands for itself among the choices, so it is
    // left out; anything else (CR among them) has all of them to become.
    const int choices = printable(original) ? kPrintables - 1 : kPrintables;
    char c = char(kFirstPrintable + int(m_random() % std::uint32_t(choices)));
    if (printable(original) && c >= original)
        ++c;
    return c;
}
