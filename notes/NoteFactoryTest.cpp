// Registry defaults, the note window as it is made, fitting to the work area
// with a taskbar, the date title, Show, Hide and TouchLastUsed.
#include <gtest/gtest.h>

#include <richedit.h>

#include <ctime>

#include "notes/FlatBitmapButton.h"
#include "notes/JotboxTestSupport.h"
#include "notes/NoteDefaults.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NoteWindow.h"
#include "tests/support/FakeTaskbarClient.h"

namespace vantora::notes::test {
namespace {

class NoteFactory : public ::testing::Test {
protected:
    RegistryBackup defaults {kDefaultNotesKey};
};

TEST_F(NoteFactory, ReadsAnyFourByteValueWhateverItsType)
{
    defaults.Clear();
    EXPECT_EQ(ReadNoteDefault(nullptr, "Width", 296), 296);   // no key at all

    const uint8_t twoBytes[] = {0x10, 0x01};
    const uint8_t fourBytes[] = {0x2C, 0x01, 0, 0};
    struct Case {
        DWORD type;
        const void* data;
        DWORD size;
        int32_t expected;
    };
    const Case cases[] = {
        {REG_DWORD, fourBytes, 4, 300},
        {REG_BINARY, fourBytes, 4, 300},
        {REG_BINARY, twoBytes, 2, 296},
        {REG_SZ, "abc", 4, 0x00636261},   // three characters and the NUL
        {REG_SZ, "abcd", 5, 296},
        {REG_SZ, "", 1, 296},
    };
    for (const Case& c : cases) {
        defaults.Set("Width", c.type, c.data, c.size);
        EXPECT_EQ(ReadNoteDefault(nullptr, "Width", 296), c.expected) << "type " << c.type << " size " << c.size;
    }
    EXPECT_EQ(ReadNoteDefault(nullptr, "Missing", -7), -7);
    EXPECT_EQ(ReadNoteDefault("Software\\Mirefold\\No Such Key", "Width", 5), 5);
    std::string tooLong = "Software\\" + std::string(80, 'x');
    EXPECT_EQ(ReadNoteDefault(tooLong.c_str(), "Width", 9), 9);
}

TEST_F(NoteFactory, GivesNewNotesTheRegistryDefaults)
{
    defaults.Clear();
    auto plain = MakeNoteWithDefaults();
    EXPECT_EQ(plain->rect.right - plain->rect.left, 296);
    EXPECT_EQ(plain->rect.bottom - plain->rect.top, 171);
    EXPECT_EQ(plain->backColor, 0x00CCFFFFu);
    EXPECT_EQ(plain->captionColor, 0x00CCFFFFu);
    EXPECT_EQ(plain->alwaysOnTop, 0);
    EXPECT_EQ(plain->lockText, 0);

    defaults.SetDword("Always on top", 1);
    defaults.SetDword("Lock text", 1);
    defaults.SetDword("Width", 320);
    defaults.SetDword("Height", 200);
    defaults.SetDword("TextColor", 0x00112233);
    defaults.SetDword("CaptionColor", 0x00445566);
    auto set = MakeNoteWithDefaults();
    EXPECT_EQ(set->rect.right - set->rect.left, 320);
    EXPECT_EQ(set->rect.bottom - set->rect.top, 200);
    EXPECT_EQ(set->backColor, 0x00112233u);
    EXPECT_EQ(set->captionColor, 0x00445566u);
    EXPECT_EQ(set->alwaysOnTop, 1);
    EXPECT_EQ(set->lockText, 1);
}

TEST_F(NoteFactory, MakesTheWindowWithItsClassStylesAndChildren)
{
    defaults.Clear();
    defaults.SetDword("Lock text", 1);
    EngineFixture engine("factory-window");
    Note* note = NoteList::Instance().Append(CreateNewNoteWithWindow());
    HWND hwnd = note->hwnd;
    ASSERT_TRUE(IsWindow(hwnd));

    char name[64];
    GetClassNameA(hwnd, name, sizeof name);
    EXPECT_STREQ(name, "Mirefold Note Class");
    GetWindowTextA(hwnd, name, sizeof name);
    EXPECT_STREQ(name, "Vantora v2.0");
    EXPECT_EQ(DWORD(GetWindowLongPtrA(hwnd, GWL_STYLE)) & 0xFFFF0000u, 0x96C40000u);
    DWORD ex = DWORD(GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
    EXPECT_EQ(ex & (WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES),
              DWORD(WS_EX_TOOLWINDOW | WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES));
    EXPECT_EQ(ex & WS_EX_TOPMOST, 0u);   // "Always on top" is off
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_USERDATA), LONG_PTR(note));
    EXPECT_EQ(FindNote(hwnd), note);
    EXPECT_FALSE(note->title.empty());

    HWND editor = GetDlgItem(hwnd, 111);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor, note->editor->Hwnd());
    GetClassNameA(editor, name, sizeof name);
    EXPECT_STREQ(name, "RichEdit20A");
    EXPECT_EQ(DWORD(GetWindowLongPtrA(editor, GWL_STYLE)) & 0x50001044u, 0x50001044u);
    EXPECT_TRUE(GetWindowLongPtrA(editor, GWL_STYLE) & ES_READONLY);   // "Lock text" is on
    EXPECT_EQ(SendMessageA(editor, EM_GETEVENTMASK, 0, 0) & (ENM_LINK | ENM_SCROLL), ENM_LINK | ENM_SCROLL);

    RECT client;
    GetClientRect(hwnd, &client);
    struct Button {
        FlatBitmapButton* button;
        int id;
        int top;
    };
    for (const Button& b : {Button {note->scrollUpButton.get(), 112, 0},
                            Button {note->scrollDownButton.get(), 113, int(client.bottom) - 11}}) {
        ASSERT_TRUE(b.button);
        EXPECT_EQ(GetParent(b.button->Hwnd()), editor);
        EXPECT_EQ(GetDlgCtrlID(b.button->Hwnd()), b.id);
        RECT r;
        GetWindowRect(b.button->Hwnd(), &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, client.right - 11);
        EXPECT_EQ(r.top, b.top);
        EXPECT_EQ(r.right - r.left, 11);
    }
    EXPECT_TRUE(IsWindow(note->tooltip));
}

TEST_F(NoteFactory, FitsAStoredRectangleAboveTheTaskbar)
{
    vantora::test::FakeTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start());
    ASSERT_TRUE(vantora::test::FakeTaskbar::IsFake(FindWindowA("Shell_TrayWnd", nullptr)));
    RECT band;
    GetClientRect(taskbar.Tray(), &band);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int workBottom = GetSystemMetrics(SM_CYSCREEN) - (band.bottom - band.top);

    RECT below {100, workBottom - 50, 396, workBottom + 121};
    FitToWorkArea(below);
    EXPECT_EQ(below.bottom, workBottom);
    EXPECT_EQ(below.bottom - below.top, 171);

    RECT huge {-30, -30, screenWidth + 100, workBottom + 500};
    FitToWorkArea(huge);
    EXPECT_EQ(huge.left, 0);
    EXPECT_EQ(huge.top, 0);
    EXPECT_EQ(huge.right, screenWidth);
    EXPECT_EQ(huge.bottom, workBottom);
}

TEST_F(NoteFactory, TitlesANewNoteWithTodaysDate)
{
    time_t now = time(nullptr);
    char expected[64];
    strftime(expected, sizeof expected, "%B %d, %Y", localtime(&now));
    EXPECT_EQ(DateTitle(), expected);
}

TEST_F(NoteFactory, ShowsHidesAndTouchesANote)
{
    defaults.Clear();
    EngineFixture engine("factory-show");
    auto made = MakeNoteWithDefaults();
    made->hidden = 1;
    made->title = "stored";
    made->body = "plain body";
    Note* note = NoteList::Instance().Append(std::move(made));

    // A hidden note gets no window until it is shown.
    EXPECT_EQ(CreateNoteWindow(note), note);
    EXPECT_EQ(note->hwnd, nullptr);
    Show(*note);
    ASSERT_TRUE(IsWindow(note->hwnd));
    EXPECT_EQ(note->hidden, 0);
    EXPECT_EQ(note->modified, 1);
    char text[64];
    GetWindowTextA(note->editor->Hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "plain body");
    EXPECT_EQ(note->title, "stored");

    // Showing a note that has its window does not mark it modified.
    note->modified = 0;
    Show(*note);
    EXPECT_EQ(note->modified, 0);

    Hide(*note);
    EXPECT_EQ(note->hwnd, nullptr);
    EXPECT_EQ(note->hidden, 1);
    EXPECT_EQ(note->editor, nullptr);
    EXPECT_EQ(NoteList::Instance().IndexOf(note), 0);

    int32_t before = int32_t(time(nullptr));
    TouchLastUsed(*note);
    EXPECT_GE(note->lastUsed, before);
    EXPECT_LE(note->lastUsed, before + 2);
}

} // namespace
} // namespace vantora::notes::test
