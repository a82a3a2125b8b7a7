#include "maint/RadioSlotLook.h"

#include "maint/RadioReport.h"
#include "maint/RadioTexts.h"

namespace maint {

SlotLook radioSlotLook(std::uint8_t state)
{
    SlotLook look{text::radioSlotEmpty, SlotColour::ButtonFace};
    if (state & slotbit::kTaught)
        look = {text::radioSlotTaught, SlotColour::Teal};
    if (state & slotbit::kTeaching)
        return {text::radioSlotTeaching, SlotColour::Blue};
    if (state & slotbit::kLowSupply)
        return {text::radioSlotLowSupply, SlotColour::Yellow};
    if (state & slotbit::kRed)
        look.colour = SlotColour::Red;
    if (const int value = state >> slotbit::kValueShift & slotbit::kValueMask)
        look.text = QString::number(value, 16).toUpper();
    return look;
}

} // namespace maint
