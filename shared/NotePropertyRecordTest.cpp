#include "shared/NotePropertyRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vantora {
namespace {

TEST(NotePropertyRecord, FieldsAreLittleEndianAtTheirOffsets)
{
    NotePropertyRecord record {};
    record.alwaysOnTop.Set(1);
    record.backColor.SetUnsigned(0x00A1B2C3);
    record.alarmYear.Set(2003);
    record.repeatUnit.Set(RepeatDay);

    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[68], 0xC3);
    EXPECT_EQ(bytes[69], 0xB2);
    EXPECT_EQ(bytes[70], 0xA1);
    EXPECT_EQ(bytes[71], 0x00);
    EXPECT_EQ(bytes[335], 2003 & 0xFF);
    EXPECT_EQ(bytes[336], 2003 >> 8);
    EXPECT_EQ(bytes[367], RepeatDay);
    EXPECT_EQ(bytes[368], 0);
}

TEST(NotePropertyRecord, OneByteRepeatFieldsTravelWithTheirSign)
{
    struct Case { int sentByHost; int8_t keptByNote; int32_t sentBackWidened; };
    const Case cases[] = {
        {100, 100, 100},
        {200, -56, -56},       // the note keeps only the low byte
        {-1, -1, -1},
        {0x1234567F, 0x7F, 0x7F},
    };
    for (const Case& c : cases) {
        NotePropertyRecord reply {};
        reply.repeatCount.Set(c.sentByHost);
        int8_t kept = reply.RepeatCount();
        EXPECT_EQ(kept, c.keptByNote) << c.sentByHost;

        NotePropertyRecord request {};
        request.SetRepeatCount(kept);
        EXPECT_EQ(request.repeatCount.Get(), c.sentBackWidened) << c.sentByHost;
    }
}

TEST(NotePropertyRecord, TitleNeverRunsIntoTheAlarmFields)
{
    struct Case { size_t length; size_t stored; };
    const Case cases[] = {{0, 0}, {10, 10}, {254, 254}, {255, 254}, {300, 254}};
    for (const Case& c : cases) {
        NotePropertyRecord record {};
        std::memset(&record.alarmYear, 0xEE, 4);   // canary just past the title
        std::string text(c.length, 'x');
        record.SetTitle(text);
        EXPECT_EQ(record.Title(), std::string(c.stored, 'x')) << c.length;
        EXPECT_EQ(record.title[kTitleMaxLength], '\0') << c.length;
        EXPECT_EQ(record.alarmYear.GetUnsigned(), 0xEEEEEEEEu) << c.length;
    }
}

TEST(NotePropertyRecord, TitleWithoutNulIsReadOnlyWithinItsField)
{
    NotePropertyRecord record {};
    std::memset(record.title, 'y', sizeof record.title);
    record.alarmYear.Set(0x41414141);
    EXPECT_EQ(record.Title().size(), kTitleFieldSize);
}

} // namespace
} // namespace vantora
