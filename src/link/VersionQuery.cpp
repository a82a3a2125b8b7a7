#include "link/VersionQuery.h"

#include "link/Cp1250.h"
#include "link/DeviceLink.h"
#include "link/LinkTexts.h"

#include <algorithm>

namespace {

constexpr int kProgramVersionAt = 0;
constexpr int kDataVersionAt = 32;
constexpr int kMaxVersionChars = 33;
const QString kProgramVersionLabel = QStringLiteral("Programverzió: ");
const QString kDataVersionLabel = QStringLiteral("       (DataVer=");
const QString kQueryingText = QStringLiteral("Programverzió lekérdezése...");

QByteArray zeroEndedText(const Frame& frame, int from)
{
    QByteArray text;
    for (int i = from; i < frame::kSize && text.size() < kMaxVersionChars && frame[i] != 0; ++i)
        text.append(char(frame[i]));
    return text;
}

} // namespace

VersionBlock parseVersionBlock(const Frame& frame)
{
    VersionBlock block;
    block.programVersion = fromCp1250(zeroEndedText(frame, kProgramVersionAt));
    // Only digits form a number: toInt() alone would also take blanks around
    // them, and a sign. The leading zero makes an empty text 0.
    const QByteArray digits = "0" + zeroEndedText(frame, kDataVersionAt);
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    bool ok = false;
    const int value = allDigits ? digits.toInt(&ok, 10) : 0;
    block.dataVersion = ok ? value : 0;
    return block;
}

QString versionLine(const VersionBlock& block)
{
    return kProgramVersionLabel + block.programVersion + kDataVersionLabel + QString::number(block.dataVersion)
        + u')';
}

QString QueryVersion(DeviceLink& link, const std::function<void(const QString&)>& statusBar)
{
    if (!link.isOpen())
        return text::noSerialLink;
    CodeTimerPause pause(link.codeTimer());
    statusBar(kQueryingText);
    if (!link.blocks().CheckInstallerCode()) {
        statusBar(text::readFailed);
        return link.blocks().failureText();
    }
    if (!link.blocks().readBlock(frame::kVersionAddress, BlockNumberCheck::NotChecked)) {
        statusBar(text::readFailed);
        return QString();
    }
    const VersionBlock block = parseVersionBlock(link.frameBuffer());
    link.moduleDataVersion = block.dataVersion;
    link.moduleProgramVersion = block.programVersion;
    statusBar(QString());
    return versionLine(block);
}
