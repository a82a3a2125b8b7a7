#pragma once

#include "params/ParameterImage.h"

#include <QList>
#include <QString>

namespace params {

// One setting that differs between two images, named as the editor labels
// it ("3. Zóna – Zóna neve") with its value in each.
struct SettingDifference
{
    QString setting;
    QString before;
    QString after;
    // A user or installer code, which a comparison with the module leaves out.
    bool isCode = false;

    // "3. Zóna – Zóna neve: »Konyha« → »Nappali«"
    QString text() const;
    friend bool operator==(const SettingDifference&, const SettingDifference&) = default;
};

enum class CodeDisplay { Hidden, Shown };

// Every setting whose bytes differ between `before` and `after`, in image
// order: one entry per field, per flag of a flag word or event mask and per
// remote-control button; bytes that belong to no setting by their offset.
// Hidden codes read "******" on both sides.
QList<SettingDifference> differingSettings(const ParameterImage& before, const ParameterImage& after,
                                           CodeDisplay codes = CodeDisplay::Hidden);

} // namespace params
