#include "params/CodeEntry.h"

#include <algorithm>

namespace params {

namespace {
constexpr qsizetype kShortCode = 4;
constexpr qsizetype kLongCode = 6;
} // namespace

bool isAcceptableCodeText(QStringView text)
{
    if (text.size() != kShortCode && text.size() != kLongCode)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'*'; });
}

} // namespace params
