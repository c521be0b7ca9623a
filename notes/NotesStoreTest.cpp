// The notes file on disk: what a save writes byte for byte, what it skips,
// what loading takes and leaves, and replacements interrupted by a crash.
#include <gtest/gtest.h>

#include <richedit.h>

#include <cstring>

#include "notes/JotboxTestSupport.h"
#include "notes/NoteDefaults.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NoteStreamFormat.h"
#include "notes/NotesStore.h"
#include "shared/LittleEndian.h"
#include "win/Scoped.h"

namespace vantora::notes::test {
namespace {

NoteHeader StoredHeader(int32_t hidden)
{
    NoteHeader h;
    h.left = 60;
    h.top = 80;
    h.right = 356;
    h.bottom = 251;
    h.backColor = 0x00CCFFFF;
    h.captionColor = 0x00CCFFFF;
    h.frameColor = kStoredFrameColor;
    h.hidden = hidden;
    h.unit = 2;
    LOGFONTA font {};
    font.lfHeight = 22;
    font.lfWeight = FW_NORMAL;
    std::strcpy(font.lfFaceName, "Arial");
    std::memcpy(h.bodyFont.data(), &font, sizeof font);
    font.lfHeight = 40;   // a caption font other than the default: ignored
    std::memcpy(h.captionFont.data(), &font, sizeof font);
    return h;
}

std::string Counter(int32_t value) { return std::string(reinterpret_cast<const char*>(&value), 4); }

LOGFONTA FontOf(HFONT font)
{
    LOGFONTA logFont {};
    GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
}

class NotesStore : public ::testing::Test {
protected:
    RegistryBackup defaults {kDefaultNotesKey};
    NotesStore() { defaults.Clear(); }
};

TEST_F(NotesStore, SavesAChangedNoteWithTheDefaultFrameColour)
{
    EngineFixture engine("store-save");
    ASSERT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    ASSERT_GT(engine.Control().CreateNew(), 0);
    Note* note = NoteList::Instance().At(0);
    note->frameColor = 0x000000FF;
    note->alarmTime = 1046507400;
    note->repeat = 1;
    note->count = -56;
    note->unit = 4;
    note->modified = 1;
    SetWindowTextA(note->editor->Hwnd(), "saved text");
    SendMessageA(note->editor->Hwnd(), EM_SETMODIFY, TRUE, 0);
    RECT window;
    GetWindowRect(note->hwnd, &window);

    ASSERT_EQ(engine.Control().Save(0), 0);
    EXPECT_EQ(note->modified, 0);
    EXPECT_EQ(SendMessageA(note->editor->Hwnd(), EM_GETMODIFY, 0, 0), 0);

    NotesFileContent file = ReadNotesFile(engine.NotesPath());
    EXPECT_EQ(file.order, (std::vector<std::string> {"2", "config.ini"}));
    const std::string& stream = file.streams["2"];
    ASSERT_GT(stream.size(), kNoteHeaderSize);
    auto* b = reinterpret_cast<const uint8_t*>(stream.data());
    EXPECT_EQ(LoadLe32(b + 0), uint32_t(window.left));
    EXPECT_EQ(LoadLe32(b + 12), uint32_t(window.bottom));
    EXPECT_EQ(LoadLe32(b + 148), 0x00610E0Eu);
    EXPECT_EQ(LoadLe32(b + 164), 1046507400u);
    EXPECT_EQ(b[168], 1);
    EXPECT_EQ(b[169], 0xC8);
    EXPECT_EQ(LoadLe16(b + 170), 4);
    EXPECT_EQ(LoadLe32(b + 172), 0u);
    LOGFONTA body, caption;
    std::memcpy(&body, b + 24, 60);
    std::memcpy(&caption, b + 84, 60);
    EXPECT_EQ(body.lfHeight, 18);
    EXPECT_STREQ(body.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(caption.lfHeight, 14);
    EXPECT_EQ(caption.lfWeight, FW_BOLD);
    std::string text = stream.substr(kNoteHeaderSize);
    std::string titleLine = note->title + "\r\n";
    EXPECT_EQ(text.substr(0, titleLine.size()), titleLine);
    EXPECT_EQ(text.substr(titleLine.size(), 5), "{\\rtf");
    EXPECT_NE(text.find("saved text"), std::string::npos);
}

TEST_F(NotesStore, SaveWritesOnlyShownNotesWithChanges)
{
    EngineFixture engine("store-skip");
    ASSERT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    engine.Control().CreateNew();
    engine.Control().CreateNew();
    Note* moved = NoteList::Instance().At(0);
    Note* hidden = NoteList::Instance().At(1);
    Hide(*hidden);
    NotesFileContent before = ReadNotesFile(engine.NotesPath());

    SetWindowPos(moved->hwnd, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    hidden->alarmTime = 1234;
    hidden->modified = 1;
    ASSERT_EQ(engine.Control().Save(0), 0);
    NotesFileContent after = ReadNotesFile(engine.NotesPath());
    EXPECT_EQ(after.streams, before.streams);

    // The move is written with the note's next write.
    moved->modified = 1;
    ASSERT_EQ(engine.Control().Save(0), 0);
    ParsedNoteStream parsed;
    ASSERT_TRUE(ParseNoteStream(ReadNotesFile(engine.NotesPath()).streams["2"], &parsed));
    EXPECT_EQ(parsed.header.left, 5);
}

TEST_F(NotesStore, LoadsNoteStreamsAndSkipsWhatIsNoNote)
{
    EngineFixture engine("store-load");
    std::string shortStream(100, 'x');
    ASSERT_TRUE(WriteNotesFile(engine.NotesPath(),
                               {{"config.ini", Counter(7)},
                                {"2", ComposeNoteStream(StoredHeader(0), "Shown", "{\\rtf1 shown text\\par}")},
                                {"3", ComposeNoteStream(StoredHeader(1), "", "").substr(0, kNoteHeaderSize) +
                                          "text without a line break"},
                                {"4", shortStream}},
                               {"9"}));
    ASSERT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    EXPECT_EQ(engine.Control().LastNoteNumber(), 7);
    NoteList& list = NoteList::Instance();
    ASSERT_EQ(list.Size(), 2u);

    Note* shown = list.At(0);
    EXPECT_EQ(shown->streamName, "2");
    EXPECT_EQ(shown->title, "Shown");
    ASSERT_TRUE(IsWindow(shown->hwnd));
    RECT r;
    GetWindowRect(shown->hwnd, &r);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(FontOf(shown->bodyFont.Get()).lfHeight, 22);
    EXPECT_STREQ(FontOf(shown->bodyFont.Get()).lfFaceName, "Arial");
    EXPECT_EQ(FontOf(shown->captionFont.Get()).lfHeight, 14);
    char text[64];
    GetWindowTextA(shown->editor->Hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "shown text");

    Note* hidden = list.At(1);
    EXPECT_EQ(hidden->streamName, "3");
    EXPECT_EQ(hidden->hwnd, nullptr);
    EXPECT_EQ(hidden->title, "");
    EXPECT_EQ(hidden->body, "text without a line break");

    // What is no note stays as it was.
    NotesFileContent file = ReadNotesFile(engine.NotesPath());
    EXPECT_EQ(file.streams["4"], shortStream);
    EXPECT_EQ(file.storages, std::vector<std::string> {"9"});
}

TEST_F(NotesStore, FinishesOrDropsReplacementsACrashInterrupted)
{
    EngineFixture engine("store-pending");
    std::string oldNote = ComposeNoteStream(StoredHeader(0), "old", "old body");
    std::string newNote = ComposeNoteStream(StoredHeader(0), "new", "new body");
    ASSERT_TRUE(WriteNotesFile(engine.NotesPath(),
                               {{"config.ini.tmp", Counter(9)},                  // counter lost after its delete
                                {"2", oldNote},
                                {"2.tmp", newNote.substr(0, 190)},               // crash while writing
                                {"5.tmp", newNote},                              // crash after the old one went
                                {"6.tmp", newNote.substr(0, 100)}}));           // too short to be complete
    ASSERT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    EXPECT_EQ(engine.Control().LastNoteNumber(), 9);
    NotesFileContent file = ReadNotesFile(engine.NotesPath());
    for (const auto& [name, bytes] : file.streams)
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    EXPECT_EQ(file.streams["2"], oldNote);
    EXPECT_EQ(file.streams["5"], newNote);
    EXPECT_EQ(file.streams.count("6"), 0u);
    EXPECT_EQ(CounterOf(file), 9);
    ASSERT_EQ(NoteList::Instance().Size(), 2u);
}

TEST_F(NotesStore, LoadDataFailsWithoutItsCounter)
{
    EngineFixture engine("store-nocounter");
    ASSERT_TRUE(WriteNotesFile(engine.NotesPath(), {{"2", ComposeNoteStream(StoredHeader(0), "t", "")}}));
    EXPECT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), -1);
    EXPECT_EQ(NoteList::Instance().Size(), 0u);
}

TEST_F(NotesStore, KeepsAChangeWhenTheFileIsBusyAndWritesItLater)
{
    EngineFixture engine("store-busy");
    ASSERT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    engine.Control().CreateNew();
    Note* note = NoteList::Instance().At(0);
    SetWindowTextA(note->editor->Hwnd(), "typed while busy");
    SendMessageA(note->editor->Hwnd(), EM_SETMODIFY, TRUE, 0);
    std::string before = ReadNotesFile(engine.NotesPath()).streams["2"];
    {
        // Someone else holds the file open with exclusive access.
        std::wstring path(engine.NotesPath().begin(), engine.NotesPath().end());
        win::ComPtr<IStorage> holder;
        ASSERT_EQ(StgOpenStorage(path.c_str(), nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, nullptr, 0,
                                 holder.Put()),
                  S_OK);
        EXPECT_EQ(engine.Control().Save(0), -1);
        EXPECT_EQ(SaveNote(*note, true), -1);
        EXPECT_NE(SendMessageA(note->editor->Hwnd(), EM_GETMODIFY, 0, 0), 0);
    }
    EXPECT_EQ(ReadNotesFile(engine.NotesPath()).streams["2"], before);
    ASSERT_EQ(engine.Control().Save(0), 0);
    EXPECT_NE(ReadNotesFile(engine.NotesPath()).streams["2"].find("typed while busy"), std::string::npos);
}

} // namespace
} // namespace vantora::notes::test
