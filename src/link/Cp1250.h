#pragma once

#include <QByteArray>
#include <QString>

// The module and its data files speak the Central European code page
// (windows-1250). A character the code page cannot hold becomes "?", always
// exactly one byte.
QString fromCp1250(QByteArrayView bytes);
QByteArray toCp1250(QStringView text);

// Whether this build can convert windows-1250 at all (Qt takes the code page
// from ICU). Without it names would be corrupted, so the programs refuse to
// start; the conversions above then pass ASCII and turn every other byte or
// character into "?", never into a look-alike of another code page.
bool cp1250Available();

// Replaces the check of cp1250Available() (tests use it to play a build
// without the code page); nullptr restores the real check.
void setCp1250Check(bool (*check)());
