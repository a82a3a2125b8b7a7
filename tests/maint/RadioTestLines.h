#pragma once

#include <QByteArray>

#include <initializer_list>
#include <utility>

// A radio report as the module sends it: "AT_<", 40 bytes as upper-case hex
// pairs (zero unless given as {byte, value}), ">".
inline QByteArray radioReport(std::initializer_list<std::pair<int, int>> bytes)
{
    QByteArray data(40, '\0');
    for (const auto& [k, value] : bytes)
        data[k] = char(value);
    return "AT_<" + data.toHex().toUpper() + ">";
}
