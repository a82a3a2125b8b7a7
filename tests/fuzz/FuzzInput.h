#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

// The fuzzer's input as Qt's byte types, without a copy.
inline QByteArrayView fuzzBytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
