// Turns the clock's format string, the local time and the Internet-time beat
// count into the text the taskbar clock and its tooltip show. Pure logic over
// its inputs: what needs the system reaches it through ClockSystemQueries.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "clock/ClockLocale.h"
#include "clock/LeadByteTable.h"

namespace vantora {

constexpr size_t kClockTextSize = 1024;
constexpr size_t kWholeDateTimeSize = 80;   // 79 bytes and the terminator
constexpr std::string_view kDefaultClockFormat = "ddd yy/mm/dd hh:nn:ss";

// A local time with the fields of SYSTEMTIME the clock uses.
struct ClockTime {
    uint16_t year;
    uint16_t month;       // 1..12
    uint16_t dayOfWeek;   // 0 = Sunday .. 6 = Saturday
    uint16_t day;
    uint16_t hour;        // 0..23
    uint16_t minute;
    uint16_t second;
};

enum class WholeDateTime { LongDate, ShortDate, Time };

// The few tokens that ask the system at formatting time.
class ClockSystemQueries {
public:
    virtual ~ClockSystemQueries() = default;
    // Whether the free-resource provider exists (Windows 9x only).
    virtual bool HasFreeResources() = 0;
    // Free system (0), GDI (1) or user (2) resources in percent.
    virtual int FreeResourcePercent(int type) = 0;
    // The date or time in the user's default locale and the system's ANSI
    // code page, NUL-terminated in `out`; answers its length (0 on failure).
    virtual size_t FormatWholeDateTime(WholeDateTime which, const ClockTime& time, char* out,
                                       size_t capacity) = 0;
};

struct ClockFormatInputs {
    const ClockLocale& locale;
    const LeadByteTable* systemLeadBytes = nullptr;   // the system's ANSI code page; null: single-byte
    bool hour12 = false;
    bool hourZero = false;                            // with hour12: 0 instead of 12
    ClockSystemQueries* system = nullptr;             // null: no provider, no whole date/time text
};

// Writes the text and its terminator into out[0..capacity): the text is cut
// after its last whole character that fits. Answers the text's length.
// `beatCount` is only read when the format holds the Internet-time token.
size_t FormatClockText(char* out, size_t capacity, const ClockTime& time, int32_t beatCount,
                       std::string_view format, const ClockFormatInputs& inputs);

// True when the text changes within a second (seconds or free resources), so
// the clock must repaint on every tick.
bool NeedsFastTick(std::string_view format, const LeadByteTable* systemLeadBytes);

// 0: no Internet-time token, 1: "@@@", 2: "@@@.@".
int GetBeatMode(std::string_view format, const LeadByteTable* systemLeadBytes);

// Internet time in hundredths of a beat (0..99998) from the UTC time of day.
int32_t BeatCountFromUtc(unsigned hour, unsigned minute, unsigned second);

// The built-in format stands in for an empty one.
inline std::string_view EffectiveClockFormat(std::string_view format)
{
    return format.empty() ? kDefaultClockFormat : format;
}

} // namespace vantora
