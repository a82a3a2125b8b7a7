#pragma once

#include <QString>

#include <cstdint>

// What one radio slot shows for its state byte: a text on the state label and
// a colour for the slot's panel, which the window maps to its palette.
namespace maint {

enum class SlotColour { ButtonFace, Teal, Blue, Yellow, Red };

struct SlotLook
{
    QString text;
    SlotColour colour = SlotColour::ButtonFace;

    friend bool operator==(const SlotLook&, const SlotLook&) = default;
};

// "Tanulás" outranks everything, "<7V" outranks "OK."; otherwise a value in
// bits 3-6 replaces the text as one hex digit and bit 7 turns the panel red.
SlotLook radioSlotLook(std::uint8_t state);

} // namespace maint
