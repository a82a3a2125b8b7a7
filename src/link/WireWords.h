#pragma once

#include <QByteArrayView>

// The words of the line protocol, named once for the program. The simulator
// keeps its own spelling of them, so that a word mistaken here shows on the wire.
namespace wire {

constexpr char kCR = 13;
constexpr char kLF = 10;

// Command words; each is followed by the six-character encoded installer code.
constexpr QByteArrayView kCodeCheck = "RPWD";
constexpr QByteArrayView kStatusPoll = "RPWS";
constexpr QByteArrayView kEventPoll = "RPWE";
constexpr QByteArrayView kAlarmStop = "RSTP";
constexpr QByteArrayView kDisarmP1 = "PT1D";
constexpr QByteArrayView kDisarmP2 = "PT2D";
constexpr QByteArrayView kArmP1 = "PT1A";
constexpr QByteArrayView kArmP2 = "PT2A";
constexpr QByteArrayView kRadioPoll = "RPWF";
constexpr QByteArrayView kRadioDeleteAll = "DLRF";
constexpr QByteArrayView kTeachRadio = "TRF";

// Block requests.
constexpr QByteArrayView kReadBlock = "RDFL";  // also the token of the frame reply
constexpr QByteArrayView kWriteBlock = "WRFL";
constexpr QByteArrayView kActivate = "WRACT";

// The module's replies.
constexpr QByteArrayView kCodeAccepted = "PWDOK";
constexpr QByteArrayView kCodeRejected = "PWDERR";
constexpr QByteArrayView kWriteAcknowledged = "WROK";
constexpr QByteArrayView kWriteFailed = "WRFLERR";
constexpr QByteArrayView kRadioTeachFailed = "RFTERR";
constexpr QByteArrayView kCrcConfirmed = "CRCOK";
constexpr QByteArrayView kFirmwareConfirmed = "FIRMWAREOK";
constexpr QByteArrayView kStatusReport = "AT_[";
constexpr QByteArrayView kLastEvents = "AT_{";
constexpr QByteArrayView kModuleMessage = "AT_/";
constexpr QByteArrayView kRadioReport = "AT_<";

// The modem's commands and answers.
constexpr QByteArrayView kAttention = "AT";
constexpr QByteArrayView kHangUp = "ATH";
constexpr QByteArrayView kDial = "ATD";
constexpr QByteArrayView kEscape = "+++";
constexpr QByteArrayView kOk = "OK";
constexpr QByteArrayView kConnect = "CONNECT";

} // namespace wire
