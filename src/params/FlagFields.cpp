#include "params/FlagFields.h"

#include <cstddef>

namespace params {

namespace {

constexpr int kBitsPerByte = 8;

template <std::size_t N>
std::array<bool, N> readWord(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::Word && field.size == kWordBytes);
    const unsigned value = unsigned(image.at(field.offset)) << kBitsPerByte | image.at(field.offset + 1);
    std::array<bool, N> flags{};
    for (std::size_t k = 0; k < N; ++k)
        flags[k] = (value >> k & 1u) != 0;
    return flags;
}

template <std::size_t N>
void writeWord(ParameterImage& image, const FieldRef& field, const std::array<bool, N>& flags)
{
    Q_ASSERT(field.encoding == Encoding::Word && field.size == kWordBytes);
    unsigned value = 0;
    for (std::size_t k = 0; k < N; ++k)
        if (flags[k])
            value |= 1u << k;
    image.set(field.offset, std::uint8_t(value >> kBitsPerByte));
    image.set(field.offset + 1, std::uint8_t(value & 0xFF));
}

} // namespace

UserRights ReadUserRights(const ParameterImage& image, const FieldRef& field)
{
    return readWord<kRightsFlags>(image, field);
}

void WriteUserRights(ParameterImage& image, const FieldRef& field, const UserRights& rights)
{
    writeWord(image, field, rights);
}

RouteFlags ReadRouteFlags(const ParameterImage& image, const FieldRef& field)
{
    return readWord<kRouteFlags>(image, field);
}

void WriteRouteFlags(ParameterImage& image, const FieldRef& field, const RouteFlags& routes)
{
    writeWord(image, field, routes);
}

EventMask ReadEventMask(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::EventMask);
    EventMask rows{};
    for (int row = 0; row < kMaskRows; ++row)
        rows[std::size_t(row)] = (image.at(field.offset + row / kBitsPerByte) >> (row % kBitsPerByte) & 1) != 0;
    return rows;
}

void WriteEventMask(ParameterImage& image, const FieldRef& field, const EventMask& rows)
{
    Q_ASSERT(field.encoding == Encoding::EventMask);
    std::array<std::uint8_t, kMaskBytes> bytes{};
    for (int row = 0; row < kMaskRows; ++row)
        if (rows[std::size_t(row)])
            bytes[std::size_t(row / kBitsPerByte)] |= std::uint8_t(1u << (row % kBitsPerByte));
    for (int i = 0; i < kMaskBytes; ++i)
        image.set(field.offset + i, bytes[std::size_t(i)]);
}

bool ReadFlag(const ParameterImage& image, const FieldRef& field)
{
    const std::uint8_t value = image.at(field.offset);
    switch (field.encoding) {
    case Encoding::NonZeroFlag:
        return value != 0;
    case Encoding::OneFlag:
        return value == 1;
    default:
        Q_ASSERT_X(false, "ReadFlag", "not a flag field");
        return false;
    }
}

void WriteFlag(ParameterImage& image, const FieldRef& field, bool set)
{
    Q_ASSERT(field.encoding == Encoding::NonZeroFlag || field.encoding == Encoding::OneFlag);
    image.set(field.offset, set ? 1 : 0);
}

ZoneFlags ReadZoneFlags(const ParameterImage& image, Field field)
{
    Q_ASSERT(recordCount(field) == kZones);
    ZoneFlags flags{};
    for (int zone = 1; zone <= kZones; ++zone)
        flags[std::size_t(zone - 1)] = ReadFlag(image, fieldRef(field, zone));
    return flags;
}

void WriteZoneFlags(ParameterImage& image, Field field, const ZoneFlags& flags)
{
    Q_ASSERT(recordCount(field) == kZones);
    for (int zone = 1; zone <= kZones; ++zone)
        WriteFlag(image, fieldRef(field, zone), flags[std::size_t(zone - 1)]);
}

} // namespace params
