#pragma once

#include "link/BlockFrame.h"

#include <QString>

#include <functional>

class DeviceLink;

// The only data version of the parameter image that this program handles.
constexpr int supportedDataVersion = 2;

struct VersionBlock
{
    QString programVersion;
    int dataVersion = 0;
};

// Reads the version block: the program version text from byte 0 and the data
// version digits from byte 32, each up to the first zero byte and at most
// 33 characters. Digits that are no valid number give data version 0.
VersionBlock parseVersionBlock(const Frame& frame);

// The version line shown to the installer for a parsed block.
QString versionLine(const VersionBlock& block);

// Checks the installer code, reads the version block and returns the text to
// show: the version line, the failure text of the code check, or empty after
// a failed read. Sets the link's `moduleDataVersion` and `moduleProgramVersion`
// on success; `statusBar` receives the progress and outcome texts. The caller
// runs it as a transaction.
QString QueryVersion(DeviceLink& link, const std::function<void(const QString&)>& statusBar);
