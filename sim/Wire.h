#pragma once

#include <QByteArrayView>

// The words of the line protocol as the module knows them. Every line in
// either direction ends with CR; LF is never sent and ignored when received.
namespace simwire {

inline constexpr char kCR = '\r';
inline constexpr char kLF = '\n';

// Commands that carry the encoded installer code: six characters after the word.
inline constexpr int kCodeLength = 6;
inline constexpr QByteArrayView kCodeCheck = "RPWD";
inline constexpr QByteArrayView kStatusPoll = "RPWS";
inline constexpr QByteArrayView kEventPoll = "RPWE";
inline constexpr QByteArrayView kAlarmStop = "RSTP";
inline constexpr QByteArrayView kDisarmP1 = "PT1D";
inline constexpr QByteArrayView kDisarmP2 = "PT2D";
inline constexpr QByteArrayView kArmP1 = "PT1A";
inline constexpr QByteArrayView kArmP2 = "PT2A";

// Block commands: "RDFL" and four upper-case hex digits of the address;
// "WRFL" alone, the frame to write following as the next line; "WRACT".
inline constexpr int kAddressDigits = 4;
inline constexpr QByteArrayView kReadBlock = "RDFL";
inline constexpr QByteArrayView kWriteBlock = "WRFL";
inline constexpr QByteArrayView kActivate = "WRACT";

// Replies.
inline constexpr QByteArrayView kCodeAccepted = "PWDOK";
inline constexpr QByteArrayView kCodeRejected = "PWDERR";
inline constexpr QByteArrayView kWriteAcknowledged = "WROK";
inline constexpr QByteArrayView kWriteFailed = "WRFLERR";
inline constexpr QByteArrayView kCrcConfirmed = "CRCOK";

// Status lines of the module's own.
inline constexpr QByteArrayView kStatusReport = "AT_[";
inline constexpr QByteArrayView kLastEvents = "AT_{";
inline constexpr QByteArrayView kMessage = "AT_/";

// A Hayes modem's commands and results.
inline constexpr QByteArrayView kAttention = "AT";
inline constexpr QByteArrayView kHangUp = "ATH";
inline constexpr QByteArrayView kHangUpZero = "ATH0";
inline constexpr QByteArrayView kDial = "ATD";
inline constexpr QByteArrayView kEscape = "+++";
inline constexpr QByteArrayView kOk = "OK";
inline constexpr QByteArrayView kError = "ERROR";
inline constexpr QByteArrayView kConnect = "CONNECT 9600";

} // namespace simwire
