#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"

#include <array>

namespace params {

// Index k − 1 is right k / route list k.
using UserRights = std::array<bool, kRightsFlags>;
using RouteFlags = std::array<bool, kRouteFlags>;
// Row 0 is telephone remote control, row k the event catalogue entry k.
using EventMask = std::array<bool, kMaskRows>;
// Item i is zone i + 1.
using ZoneFlags = std::array<bool, kZones>;

// Route list indexes: calls to numbers 1..4, SMS to numbers 1..4, the centre.
inline constexpr int kRouteCallFirst = 0;
inline constexpr int kRouteSmsFirst = 4;
inline constexpr int kRouteCentre = 8;

// Flag words are big-endian: first byte bits 15..8, second byte bits 7..0.
UserRights ReadUserRights(const ParameterImage& image, const FieldRef& field);
void WriteUserRights(ParameterImage& image, const FieldRef& field, const UserRights& rights);
// Bits 9..15 are ignored on reading and written 0.
RouteFlags ReadRouteFlags(const ParameterImage& image, const FieldRef& field);
void WriteRouteFlags(ParameterImage& image, const FieldRef& field, const RouteFlags& routes);

// Bit b of byte i is row 8i + b; the unused bits 4..7 of byte 7 are written 0.
EventMask ReadEventMask(const ParameterImage& image, const FieldRef& field);
void WriteEventMask(ParameterImage& image, const FieldRef& field, const EventMask& rows);

// One-byte flags: a bypass byte is set when non-zero, a silent or follower
// byte only when it is 1. Both are stored as 0 or 1.
bool ReadFlag(const ParameterImage& image, const FieldRef& field);
void WriteFlag(ParameterImage& image, const FieldRef& field, bool set);

// The twelve flags of ZoneBypass, ZoneSilent or ZoneFollower as one list.
ZoneFlags ReadZoneFlags(const ParameterImage& image, Field field);
void WriteZoneFlags(ParameterImage& image, Field field, const ZoneFlags& flags);

} // namespace params
