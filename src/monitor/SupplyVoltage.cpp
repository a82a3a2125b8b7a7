#include "monitor/SupplyVoltage.h"

namespace monitor {

namespace {
constexpr int kScaledOffset = 3600;
constexpr int kScaleDivisor = 61;
constexpr int kTenthsOffset = 59;
constexpr int kLowestShownTenths = 20;
constexpr double kTenthsPerVolt = 10.0;

QString volts(int tenths, int decimals, const QLocale& locale)
{
    return locale.toString(tenths / kTenthsPerVolt, 'f', decimals) + u'V';
}
} // namespace

int voltageTenths(int raw)
{
    // Integer division truncates toward zero for negative values too, as
    // the module's own conversion does.
    const int tenths = (10 * raw - kScaledOffset) / kScaleDivisor + kTenthsOffset;
    return tenths < kLowestShownTenths ? 0 : tenths;
}

QString supplyVoltageText(const SupplyVoltages& voltages, const QLocale& locale)
{
    if (!voltages.batteryTenths)
        return volts(voltages.terminalTenths, 2, locale);
    return volts(*voltages.batteryTenths, 1, locale) + QStringLiteral(" / ")
        + volts(voltages.terminalTenths, 1, locale);
}

} // namespace monitor
