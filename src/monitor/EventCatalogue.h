#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <string_view>

// The module's fixed event catalogue: it names the event codes of the event
// records and labels the settings editor's per-event rows.
namespace monitor {

inline constexpr int kCatalogueSize = 59;
inline constexpr int kLoggedEventCount = 47; // codes 1..47 name logged events
inline constexpr std::size_t kEventNameWidth = 17;
inline constexpr std::size_t kMarkerColumn = 17;
inline constexpr std::size_t kClassColumn = 18;
inline constexpr std::size_t kEntryLength = 19;
inline constexpr std::size_t kLongEntryLength = 20; // entries 58 and 59
inline constexpr int kFirstLongEntry = 58;

// Each entry exactly as stored: the name blank-padded to 17 characters, the
// marker ("1" on events that start a condition; nothing reads it) and the
// class character. UTF-16 literals, so that the padding counts characters
// and not the bytes of the UTF-8 source.
inline constexpr std::array<std::u16string_view, kCatalogueSize> kEventCatalogue = {
    u"IN1 Riasztás     1Z", // 1
    u"IN1 Visszaállás   Z", // 2
    u"IN2 Riasztás     1Z", // 3
    u"IN2 Visszaállás   Z", // 4
    u"IN3 Riasztás     1Z", // 5
    u"IN3 Visszaállás   Z", // 6
    u"IN4 Riasztás     1Z", // 7
    u"IN4 Visszaállás   Z", // 8
    u"IN5 Riasztás     1Z", // 9
    u"IN5 Visszaállás   Z", // 10
    u"IN6 Riasztás     1Z", // 11
    u"IN6 Visszaállás   Z", // 12
    u"IN7 Riasztás     1Z", // 13
    u"IN7 Visszaállás   Z", // 14
    u"IN8 Riasztás     1Z", // 15
    u"IN8 Visszaállás   Z", // 16
    u"IN9 Riasztás     1Z", // 17
    u"IN9 Visszaállás   Z", // 18
    u"IN10 Riasztás    1Z", // 19
    u"IN10 Visszaállás  Z", // 20
    u"IN11 Riasztás    1Z", // 21
    u"IN11 Visszaállás  Z", // 22
    u"IN12 Riasztás    1Z", // 23
    u"IN12 Visszaállás  Z", // 24
    u"Szabotázs        1Z", // 25
    u"Szabotázs vissz.  Z", // 26
    u"Élesítés Part.1  1F", // 27
    u"Élesítés Part.2  1F", // 28
    u"Kikapcs. Part.1   F", // 29
    u"Kikapcs. Part.2   F", // 30
    u"Tesztjelentés    1.", // 31
    u"AC hiba          1.", // 32
    u"AC rendben        .", // 33
    u"Akku alacsony    1.", // 34
    u"Akku rendben      .", // 35
    u"Akku hiányz.     1.", // 36
    u"RF elem < 7V     1Z", // 37
    u"RF elem OK.       Z", // 38
    u"Zóna takarás     1Z", // 39
    u"Zóna takar.vissza Z", // 40
    u"Óra elvesztés    1.", // 41
    u"Óra beállítva     .", // 42
    u"Programozták     1F", // 43
    u"Térerő alacsony  1.", // 44
    u"Térerő rendben    .", // 45
    u"Kényszerkód      1F", // 46
    u"RF zaj           1.", // 47
    u"IN1 jelez          ", // 48
    u"IN2 jelez          ", // 49
    u"IN3 jelez          ", // 50
    u"IN4 jelez          ", // 51
    u"IN5 jelez          ", // 52
    u"IN6 jelez          ", // 53
    u"IN7 jelez          ", // 54
    u"IN8 jelez          ", // 55
    u"IN9 jelez          ", // 56
    u"IN10 jelez         ", // 57
    u"IN11 jelez          ", // 58
    u"IN12 jelez          ", // 59
};

enum class EventClass {
    Zone,   // "Z": the record's number is a zone, 0 the LCD keypad
    User,   // "F": the record's number is a user, 13 the installer, 14 automatic
    System, // ".": the record carries no number
    Unused, // blank: entries that never name a logged event
};

// Entry n (1..59) as stored; an empty view for any other n.
constexpr std::u16string_view catalogueEntry(int entry)
{
    return entry >= 1 && entry <= kCatalogueSize ? kEventCatalogue[std::size_t(entry - 1)]
                                                 : std::u16string_view();
}

// Codes 0 and 48 and above mark empty record slots, although entries 48 to
// 59 exist: they only label editor rows.
constexpr bool isLoggedEventCode(int code)
{
    return code >= 1 && code <= kLoggedEventCount;
}

// The first 17 characters of the entry, trailing blanks included.
constexpr std::u16string_view eventName(int entry)
{
    return catalogueEntry(entry).substr(0, kEventNameWidth);
}

constexpr EventClass eventClass(int entry)
{
    const auto stored = catalogueEntry(entry);
    if (stored.size() <= kClassColumn)
        return EventClass::Unused;
    switch (stored[kClassColumn]) {
    case u'Z': return EventClass::Zone;
    case u'F': return EventClass::User;
    case u'.': return EventClass::System;
    default: return EventClass::Unused;
    }
}

// Catches a mistyped entry at compile time: wrong padding, marker or class.
consteval bool catalogueIsWellFormed()
{
    for (int n = 1; n <= kCatalogueSize; ++n) {
        const auto stored = catalogueEntry(n);
        const auto length = n >= kFirstLongEntry ? kLongEntryLength : kEntryLength;
        if (stored.size() != length || stored[0] == u' ')
            return false;
        if (stored[kMarkerColumn] != u'1' && stored[kMarkerColumn] != u' ')
            return false;
        const auto cls = stored[kClassColumn];
        if (cls != u'Z' && cls != u'F' && cls != u'.' && cls != u' ')
            return false;
        if (length == kLongEntryLength && stored.back() != u' ')
            return false;
        if ((n <= kLoggedEventCount) == (cls == u' '))
            return false;
    }
    return true;
}
static_assert(catalogueIsWellFormed());

// Editor row label: "%.2d. " with the row number, then the entry's name.
QString eventRowLabel(int entry);

// Labels of rows 1..count (47 for the report page, 59 for the relay page).
QStringList eventRowLabels(int count);

} // namespace monitor
