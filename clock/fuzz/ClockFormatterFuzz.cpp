// Random formats, times, locale fields, code pages and buffer sizes for the
// clock formatter and its two scans. The output buffer is allocated to its
// exact size, so AddressSanitizer catches any write past it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "clock/ClockFormatter.h"
#include "clock/ClockTestSupport.h"

namespace {

using namespace vantora;

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    uint16_t Word() { return uint16_t(Byte() | Byte() << 8); }
    uint32_t Dword() { return uint32_t(Word()) | uint32_t(Word()) << 16; }
    // A length byte, then up to that many bytes (at most `max`).
    std::string_view Text(size_t max)
    {
        size_t length = Byte() % (max + 1);
        return Bytes(length);
    }
    std::string_view Bytes(size_t length)
    {
        length = std::min(length, size_ - pos_);
        std::string_view text(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        return text;
    }
    std::string_view Rest() { return Bytes(size_ - pos_); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

const LeadByteTable k936 = testing::LeadBytes936();
const LeadByteTable k932 = testing::LeadBytes932();

const LeadByteTable* PickTable(unsigned choice)
{
    return choice == 1 ? &k936 : choice == 2 ? &k932 : nullptr;
}

template <size_t N>
void FillField(char (&field)[N], Reader& in)
{
    testing::SetField(field, in.Text(N - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Reader in(data, size);
    uint8_t flags = in.Byte();
    ClockTime time {in.Word(), in.Word(), in.Word(), in.Word(), in.Word(), in.Word(), in.Word()};
    int32_t beat = int32_t(in.Dword());
    size_t capacity = 1 + in.Word() % kClockTextSize;

    ClockLocale locale;
    FillField(locale.shortDayName, in);
    FillField(locale.longDayName, in);
    FillField(locale.shortMonthName, in);
    FillField(locale.longMonthName, in);
    FillField(locale.amSymbol, in);
    FillField(locale.pmSymbol, in);
    FillField(locale.dateSeparator, in);
    FillField(locale.timeSeparator, in);
    FillField(locale.eraName, in);
    locale.altYear = int32_t(in.Dword());
    if (const LeadByteTable* table = PickTable((flags >> 5) & 3))
        locale.leadBytes = *table;

    testing::ScriptedSystem system;
    system.hasFreeResources = flags & 4;
    system.percent[0] = int8_t(in.Byte());
    system.longDate = std::string(in.Text(100));
    system.timeText = std::string(in.Text(100));
    std::string_view format = in.Rest().substr(0, kClockTextSize - 1);

    const LeadByteTable* systemLeadBytes = PickTable((flags >> 3) & 3);
    ClockFormatInputs inputs {locale, systemLeadBytes, bool(flags & 1), bool(flags & 2),
                              (flags & 0x80) ? nullptr : &system};
    std::unique_ptr<char[]> out(new char[capacity]);
    size_t length = FormatClockText(out.get(), capacity, time, beat, format, inputs);
    if (length >= capacity || out[length] != '\0')
        abort();

    // The scans must agree with the formatter: a text they call slow does not
    // change with the seconds or the resources, one without the beat token
    // not with the beat count.
    auto sameTextWith = [&](const ClockTime& otherTime, int32_t otherBeat) {
        std::unique_ptr<char[]> other(new char[capacity]);
        size_t otherLength = FormatClockText(other.get(), capacity, otherTime, otherBeat, format, inputs);
        return otherLength == length && memcmp(other.get(), out.get(), length) == 0;
    };
    if (!NeedsFastTick(format, systemLeadBytes)) {
        ClockTime otherSecond = time;
        otherSecond.second = uint16_t(time.second + 1);
        ++system.percent[0];
        if (!sameTextWith(otherSecond, beat))
            abort();
    }
    int mode = GetBeatMode(format, systemLeadBytes);
    if (mode < 0 || mode > 2 || (mode == 0 && !sameTextWith(time, beat ^ 0x5555)))
        abort();
    return 0;
}
