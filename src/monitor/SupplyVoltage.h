#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Supply voltages of the status report: the module's 12-bit measurement
// turned into tenths of a volt, and the battery label's text.
namespace monitor {

// t = trunc((10 * raw - 3600) / 61) + 59 tenths of a volt; below 2.0 V the
// reading is noise and shows as 0.
int voltageTenths(int raw);

struct SupplyVoltages
{
    int terminalTenths = 0;              // at the supply terminals (the charger's voltage while charging)
    std::optional<int> batteryTenths;    // last measured battery voltage, longer reports only

    friend bool operator==(const SupplyVoltages&, const SupplyVoltages&) = default;
};

// "%2.2fV" with the terminal voltage, or "%2.1fV / %2.1fV" with the battery
// voltage first when the report carries it; the decimal separator is the
// locale's.
QString supplyVoltageText(const SupplyVoltages& voltages, const QLocale& locale = QLocale::system());

} // namespace monitor
