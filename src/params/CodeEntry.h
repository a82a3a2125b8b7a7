#pragma once

#include <QStringView>

namespace params {

// Whether a code typed into a code box may stay there: exactly four or six
// characters, each a digit or "*" ("******" stands for no code).
bool isAcceptableCodeText(QStringView text);

} // namespace params
