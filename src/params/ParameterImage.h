#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace params {

// The PC's copy of the module's parameter memory: 2048 bytes, all zero at
// start, eight blocks of 256. Block n is module block address n. What the
// bytes mean is laid down in ImageLayout.h.
class ParameterImage
{
public:
    static constexpr int kSize = 2048;
    static constexpr int kBlockSize = 256;
    static constexpr int kBlockCount = kSize / kBlockSize;

    using Bytes = std::array<std::uint8_t, kSize>;
    using Block = std::span<std::uint8_t, kBlockSize>;
    using ConstBlock = std::span<const std::uint8_t, kBlockSize>;

    std::uint8_t at(int offset) const { return m_bytes.at(std::size_t(offset)); }
    void set(int offset, std::uint8_t value) { m_bytes.at(std::size_t(offset)) = value; }

    // `size` bytes from `offset`; records may cross block boundaries.
    std::span<const std::uint8_t> range(int offset, int size) const
    {
        return std::span<const std::uint8_t>(m_bytes).subspan(std::size_t(offset), std::size_t(size));
    }
    std::span<std::uint8_t> range(int offset, int size)
    {
        return std::span<std::uint8_t>(m_bytes).subspan(std::size_t(offset), std::size_t(size));
    }

    ConstBlock block(int n) const { return range(n * kBlockSize, kBlockSize).first<kBlockSize>(); }
    Block block(int n) { return range(n * kBlockSize, kBlockSize).first<kBlockSize>(); }

    const Bytes& bytes() const { return m_bytes; }
    Bytes& bytes() { return m_bytes; }

    void fill(std::uint8_t value) { m_bytes.fill(value); }
    void clear() { fill(0); }

    friend bool operator==(const ParameterImage&, const ParameterImage&) = default;

private:
    Bytes m_bytes{};
};

} // namespace params
