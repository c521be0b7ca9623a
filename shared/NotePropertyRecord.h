// The 369-byte record of one note's properties that a note window and the
// tray program's property dialog exchange by address with WM_NOTE_PROPERTIES.
// Two separately built modules read it, so its layout is fixed byte by byte.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shared/LittleEndian.h"

namespace vantora {

constexpr size_t kLogFontSize = 60;        // LOGFONTA
constexpr size_t kTitleFieldSize = 255;    // 254 characters and the NUL
constexpr size_t kTitleMaxLength = kTitleFieldSize - 1;

enum RepeatUnit : uint16_t {
    RepeatMinute = 0,
    RepeatHour = 1,
    RepeatDay = 2,
    RepeatWeek = 3,
    RepeatMonth = 4,
};

struct NotePropertyRecord {
    Le32 alwaysOnTop;                  // 0 or 1
    Le32 lockText;                     // 0 or 1
    uint8_t logFont[kLogFontSize];     // LOGFONTA of the body font
    Le32 backColor;                    // COLORREF 0x00BBGGRR
    Le32 frameColor;
    Le32 captionColor;
    char title[kTitleFieldSize];       // NUL-terminated
    Le32 alarmYear;                    // < 1: no alarm
    Le32 alarmMonth;
    Le32 alarmDay;
    Le32 alarmHour;
    Le32 alarmMinute;
    Le32 alarmSecond;
    Le32 repeat;                       // 0 or 1; the note keeps the low byte
    Le32 repeatCount;                  // the note keeps the low byte, signed
    Le16 repeatUnit;                   // RepeatUnit

    // Copies at most 254 characters of `text` and a NUL: never writes past
    // the title field, whatever the length of the text.
    void SetTitle(std::string_view text);
    // The title up to its NUL, or all 255 bytes of a field without one.
    std::string_view Title() const;

    // The note's one-byte repeat fields travel widened with their sign and
    // come back as their low byte.
    void SetRepeat(int8_t value) { repeat.Set(value); }
    int8_t Repeat() const { return int8_t(repeat.GetUnsigned() & 0xFF); }
    void SetRepeatCount(int8_t value) { repeatCount.Set(value); }
    int8_t RepeatCount() const { return int8_t(repeatCount.GetUnsigned() & 0xFF); }
};

static_assert(sizeof(NotePropertyRecord) == 369);
static_assert(alignof(NotePropertyRecord) == 1);
static_assert(offsetof(NotePropertyRecord, alwaysOnTop) == 0);
static_assert(offsetof(NotePropertyRecord, lockText) == 4);
static_assert(offsetof(NotePropertyRecord, logFont) == 8);
static_assert(offsetof(NotePropertyRecord, backColor) == 68);
static_assert(offsetof(NotePropertyRecord, frameColor) == 72);
static_assert(offsetof(NotePropertyRecord, captionColor) == 76);
static_assert(offsetof(NotePropertyRecord, title) == 80);
static_assert(offsetof(NotePropertyRecord, alarmYear) == 335);
static_assert(offsetof(NotePropertyRecord, alarmMonth) == 339);
static_assert(offsetof(NotePropertyRecord, alarmDay) == 343);
static_assert(offsetof(NotePropertyRecord, alarmHour) == 347);
static_assert(offsetof(NotePropertyRecord, alarmMinute) == 351);
static_assert(offsetof(NotePropertyRecord, alarmSecond) == 355);
static_assert(offsetof(NotePropertyRecord, repeat) == 359);
static_assert(offsetof(NotePropertyRecord, repeatCount) == 363);
static_assert(offsetof(NotePropertyRecord, repeatUnit) == 367);

} // namespace vantora
