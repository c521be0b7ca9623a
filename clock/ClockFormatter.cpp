#include "clock/ClockFormatter.h"

#include <algorithm>

namespace vantora {
namespace {

constexpr std::string_view kEnglishDays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::string_view kEnglishMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Appends to the output buffer; once a character does not fit, the text ends
// there and every later write is dropped, so it is never cut mid-character.
class TextWriter {
public:
    TextWriter(char* out, size_t capacity) : out_(out), limit_(capacity - 1) {}

    bool Full() const { return full_; }
    size_t Finish()
    {
        out_[length_] = '\0';
        return length_;
    }

    void Put(char c)
    {
        if (full_)
            return;
        if (length_ < limit_)
            out_[length_++] = c;
        else
            full_ = true;
    }
    // One whole character of one or two bytes.
    void PutChar(std::string_view character)
    {
        if (full_ || character.size() > limit_ - length_) {
            full_ = true;
            return;
        }
        std::copy(character.begin(), character.end(), out_ + length_);
        length_ += character.size();
    }
    void PutText(std::string_view text, const LeadByteTable* leadBytes)
    {
        if (full_)
            return;
        size_t fits = WholeCharacterPrefix(text, limit_ - length_, leadBytes);
        std::copy(text.begin(), text.begin() + fits, out_ + length_);
        length_ += fits;
        if (fits < text.size())
            full_ = true;
    }
    // Decimal digits, zero-padded on the left to at least `minDigits`.
    void PutNumber(uint32_t value, size_t minDigits)
    {
        char digits[10];
        size_t count = 0;
        do {
            digits[count++] = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        for (; minDigits > count && !full_; --minDigits)
            Put('0');
        while (count > 0 && !full_)
            Put(digits[--count]);
    }

private:
    char* out_;
    size_t limit_;
    size_t length_ = 0;
    bool full_ = false;
};

class Formatter {
public:
    Formatter(TextWriter& writer, const ClockTime& time, int32_t beatCount, std::string_view format,
              const ClockFormatInputs& inputs)
        : out_(writer), time_(time), beatCount_(beatCount), format_(format), in_(inputs),
          locale_(inputs.locale), localeLeadBytes_(&inputs.locale.leadBytes)
    {
    }

    void Run()
    {
        while (pos_ < format_.size() && !out_.Full())
            Step();
    }

private:
    bool At(std::string_view token) const { return format_.substr(pos_, token.size()) == token; }
    // Length of the run of `c` that starts here.
    size_t RunLength(char c) const
    {
        size_t end = pos_;
        while (end < format_.size() && format_[end] == c)
            ++end;
        return end - pos_;
    }
    bool Consume(std::string_view token)
    {
        if (!At(token))
            return false;
        pos_ += token.size();
        return true;
    }
    void CopyChar()
    {
        size_t length = CharLengthAt(format_, pos_, in_.systemLeadBytes);
        out_.PutChar(format_.substr(pos_, length));
        pos_ += length;
    }
    void PutLocaleText(std::string_view text) { out_.PutText(text, localeLeadBytes_); }
    bool IsAm() const { return time_.hour < 12; }

    void Step()
    {
        switch (format_[pos_]) {
        case '"': return LiteralRun();
        case '/': ++pos_; return PutLocaleText(FieldText(locale_.dateSeparator));
        case ':': ++pos_; return PutLocaleText(FieldText(locale_.timeSeparator));
        case 'y': return Year() ? void() : CopyChar();
        case 'm': return Month();
        case 'a': return LowerA() ? void() : CopyChar();
        case 'd': return Day();
        case 'h': return Hour();
        case 'n': return TwoOrOneDigits(time_.minute);
        case 's': return TwoOrOneDigits(time_.second);
        case 't': return Consume("tt") ? PutDayPeriodSymbol() : CopyChar();
        case 'A': return UpperA() ? void() : CopyChar();
        case '\\': return Consume("\\n") ? out_.PutChar("\r\n") : CopyChar();
        case '@': return Beat() ? void() : CopyChar();
        case 'Y': return AltYear() ? void() : CopyChar();
        case 'g': return Era();
        case 'R': return Resources() ? void() : CopyChar();
        case 'L':
        case 'D':
        case 'T': return WholeDateTimeToken() ? void() : CopyChar();
        default: return CopyChar();
        }
    }

    void LiteralRun()
    {
        ++pos_;
        while (pos_ < format_.size() && format_[pos_] != '"' && !out_.Full())
            CopyChar();
        if (pos_ < format_.size() && format_[pos_] == '"')
            ++pos_;
    }

    void TwoOrOneDigits(uint32_t value)
    {
        size_t run = std::min<size_t>(RunLength(format_[pos_]), 2);
        pos_ += run;
        out_.PutNumber(value, run);
    }

    bool Year()
    {
        if (Consume("yyyy")) {
            out_.PutNumber(time_.year / 1000 % 10, 1);
            out_.PutNumber(time_.year % 1000 / 100, 1);
        } else if (!Consume("yy")) {
            return false;
        }
        out_.PutNumber(time_.year % 100, 2);
        return true;
    }

    void Month()
    {
        if (Consume("mme")) {
            if (time_.month >= 1 && time_.month <= 12)
                out_.PutText(kEnglishMonths[time_.month - 1], nullptr);
        } else if (Consume("mmmm")) {
            PutLocaleText(FieldText(locale_.longMonthName));
        } else if (Consume("mmm")) {
            PutLocaleText(FieldText(locale_.shortMonthName));
        } else {
            TwoOrOneDigits(time_.month);
        }
    }

    bool LowerA()
    {
        if (Consume("aaaa"))
            PutLocaleText(FieldText(locale_.longDayName));
        else if (Consume("aaa"))
            PutLocaleText(FieldText(locale_.shortDayName));
        else if (Consume("am/pm"))
            out_.PutText(IsAm() ? "am" : "pm", nullptr);
        else
            return false;
        return true;
    }

    void Day()
    {
        if (Consume("dde")) {
            if (time_.dayOfWeek <= 6)
                out_.PutText(kEnglishDays[time_.dayOfWeek], nullptr);
        } else if (Consume("dddd")) {
            PutLocaleText(FieldText(locale_.longDayName));
        } else if (Consume("ddd")) {
            PutLocaleText(FieldText(locale_.shortDayName));
        } else {
            TwoOrOneDigits(time_.day);
        }
    }

    void Hour()
    {
        uint32_t hour = time_.hour;
        if (in_.hour12) {
            hour = hour % 12 == 0 ? 12 : hour % 12;
            if (in_.hourZero && hour == 12)
                hour = 0;
        }
        TwoOrOneDigits(hour);
    }

    void PutDayPeriodSymbol()
    {
        out_.PutText(FieldText(IsAm() ? locale_.amSymbol : locale_.pmSymbol), in_.systemLeadBytes);
    }

    bool UpperA()
    {
        if (Consume("AM/PM"))
            out_.PutText(IsAm() ? "AM" : "PM", nullptr);
        else if (Consume("AMPM"))
            PutDayPeriodSymbol();
        else
            return false;
        return true;
    }

    bool Beat()
    {
        if (!Consume("@@@"))
            return false;
        uint32_t beat = uint32_t(std::clamp<int32_t>(beatCount_, 0, 99999));
        out_.Put('@');
        out_.PutNumber(beat / 100, 3);
        if (Consume(".@")) {
            out_.Put('.');
            out_.PutNumber(beat % 100 / 10, 1);
        }
        return true;
    }

    bool AltYear()
    {
        if (locale_.altYear < 0)
            return false;
        size_t run = RunLength('Y');
        pos_ += run;
        out_.PutNumber(uint32_t(locale_.altYear), run);
        return true;
    }

    // One character of the era name per "g"; the run is consumed whole.
    void Era()
    {
        size_t run = RunLength('g');
        pos_ += run;
        std::string_view era = FieldText(locale_.eraName);
        size_t end = 0;
        for (; run > 0 && end < era.size(); --run)
            end += CharLengthAt(era, end, localeLeadBytes_);
        PutLocaleText(era.substr(0, end));
    }

    bool Resources()
    {
        static constexpr std::string_view kTypes = "SGU";
        if (pos_ + 1 >= format_.size())
            return false;
        size_t type = kTypes.find(format_[pos_ + 1]);
        if (type == std::string_view::npos)
            return false;
        pos_ += 2;
        if (in_.system && in_.system->HasFreeResources())
            out_.PutNumber(uint32_t(std::clamp(in_.system->FreeResourcePercent(int(type)), 0, 100)), 1);
        return true;
    }

    bool WholeDateTimeToken()
    {
        WholeDateTime which;
        if (Consume("LDATE"))
            which = WholeDateTime::LongDate;
        else if (Consume("DATE"))
            which = WholeDateTime::ShortDate;
        else if (Consume("TIME"))
            which = WholeDateTime::Time;
        else
            return false;
        if (in_.system) {
            char text[kWholeDateTimeSize] = {};
            size_t length = in_.system->FormatWholeDateTime(which, time_, text, sizeof text);
            out_.PutText(std::string_view(text, std::min(length, strnlen(text, sizeof text - 1))),
                         in_.systemLeadBytes);
        }
        return true;
    }

    TextWriter& out_;
    const ClockTime& time_;
    int32_t beatCount_;
    std::string_view format_;
    const ClockFormatInputs& in_;
    const ClockLocale& locale_;
    const LeadByteTable* localeLeadBytes_;
    size_t pos_ = 0;
};

// Walks the format outside literal runs until `found` answers a result for
// the position. Literal runs end where the formatter ends them: whole
// characters are stepped over inside them too.
template <class Found>
auto ScanFormat(std::string_view format, const LeadByteTable* leadBytes, Found found, decltype(found(format, 0)) none)
{
    bool literal = false;
    for (size_t pos = 0; pos < format.size(); pos += CharLengthAt(format, pos, leadBytes)) {
        if (format[pos] == '"') {
            literal = !literal;
        } else if (!literal) {
            if (auto result = found(format, pos); result != none)
                return result;
        }
    }
    return none;
}

} // namespace

size_t FormatClockText(char* out, size_t capacity, const ClockTime& time, int32_t beatCount,
                       std::string_view format, const ClockFormatInputs& inputs)
{
    if (capacity == 0)
        return 0;
    TextWriter writer(out, capacity);
    Formatter(writer, time, beatCount, format, inputs).Run();
    return writer.Finish();
}

bool NeedsFastTick(std::string_view format, const LeadByteTable* systemLeadBytes)
{
    return ScanFormat(format, systemLeadBytes, [](std::string_view f, size_t pos) {
        if (f[pos] == 's')
            return true;
        return f[pos] == 'R' && pos + 1 < f.size() && (f[pos + 1] == 'S' || f[pos + 1] == 'G' || f[pos + 1] == 'U');
    }, false);
}

int GetBeatMode(std::string_view format, const LeadByteTable* systemLeadBytes)
{
    return ScanFormat(format, systemLeadBytes, [](std::string_view f, size_t pos) {
        if (f.substr(pos, 3) != "@@@")
            return 0;
        return f.substr(pos + 3, 2) == ".@" ? 2 : 1;
    }, 0);
}

int32_t BeatCountFromUtc(unsigned hour, unsigned minute, unsigned second)
{
    unsigned shiftedHour = (hour + 1) % 24;
    return int32_t((3600 * shiftedHour + 60 * minute + second) * 1000 / 864);
}

} // namespace vantora
