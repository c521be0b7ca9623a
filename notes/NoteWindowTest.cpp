// The note window on real windows: its messages, caption clicks, properties
// through the host, deletion, link clicks, the system close command.
#include <gtest/gtest.h>

#include <richedit.h>

#include <cstring>
#include <ctime>
#include <string>

#include "notes/CaptionBar.h"
#include "notes/FlatBitmapButton.h"
#include "notes/JotboxTestSupport.h"
#include "notes/NoteDefaults.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NoteStreamFormat.h"
#include "notes/NoteWindow.h"
#include "shared/NoteMessages.h"
#include "tests/support/GuiTest.h"

namespace vantora::notes::test {
namespace {

using vantora::test::MessageBoxAnswerer;
using vantora::test::PumpFor;
using vantora::test::PumpUntil;

POINT IconCenter(HWND hwnd, CaptionIcon icon)
{
    RECT window, r = CaptionIconRect(hwnd, icon);
    GetWindowRect(hwnd, &window);
    return {window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
}

LPARAM Packed(POINT p) { return MAKELPARAM(short(p.x), short(p.y)); }

LPARAM PackedClient(HWND hwnd, POINT screen)
{
    ScreenToClient(hwnd, &screen);
    return Packed(screen);
}

// Seconds since 1970 of a local date and time, as mktime composes it.
int32_t LocalMoment(int year, int month, int day, int hour, int minute)
{
    tm local {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    return int32_t(mktime(&local));
}

bool IsTopmost(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
bool IsReadOnly(HWND editor) { return (GetWindowLongPtrA(editor, GWL_STYLE) & ES_READONLY) != 0; }

class NoteWindow : public ::testing::Test {
protected:
    NoteWindow()
    {
        defaults.Clear();
        EXPECT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    }
    Note* NewNote()
    {
        engine.Control().CreateNew();
        return NoteList::Instance().At(NoteList::Instance().Size() - 1);
    }
    RegistryBackup defaults {kDefaultNotesKey};
    RegistryBackup settings {kSettingsKey};
    EngineFixture engine {"note-window"};
};

TEST_F(NoteWindow, PinAndLockClicksToggleAndMarkTheNote)
{
    Note* note = NewNote();
    HWND hwnd = note->hwnd;
    note->modified = 0;
    EXPECT_FALSE(IsTopmost(hwnd));

    EXPECT_EQ(SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(hwnd, CaptionIconPin))), 0);
    EXPECT_EQ(note->alwaysOnTop, 1);
    EXPECT_EQ(note->modified, 1);
    EXPECT_TRUE(IsTopmost(hwnd));
    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(hwnd, CaptionIconPin)));
    EXPECT_EQ(note->alwaysOnTop, 0);
    EXPECT_FALSE(IsTopmost(hwnd));

    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(hwnd, CaptionIconLock)));
    EXPECT_EQ(note->lockText, 1);
    EXPECT_TRUE(IsReadOnly(note->editor->Hwnd()));
    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(hwnd, CaptionIconLock)));
    EXPECT_FALSE(IsReadOnly(note->editor->Hwnd()));
}

TEST_F(NoteWindow, HidesOnlyWhenTheHideButtonIsReleasedOverIt)
{
    Note* note = NewNote();
    HWND hwnd = note->hwnd;
    POINT hide = IconCenter(hwnd, CaptionIconHide);

    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(hide));
    EXPECT_EQ(note->hidePressed, 1);
    EXPECT_EQ(GetCapture(), hwnd);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));   // held: the capture stays
    EXPECT_EQ(GetCapture(), hwnd);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(note->hidePressed, 0);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_NE(GetCapture(), hwnd);

    // A release without a press is left to the default processing.
    SendMessageA(hwnd, WM_LBUTTONUP, 0, PackedClient(hwnd, hide));
    EXPECT_TRUE(IsWindow(hwnd));

    SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(hide));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, PackedClient(hwnd, hide));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(note->hidden, 1);
    EXPECT_EQ(note->hwnd, nullptr);
    EXPECT_EQ(NoteList::Instance().IndexOf(note), 0);
}

TEST_F(NoteWindow, CapturesTheMouseWhileThePointerIsOverAnIcon)
{
    Note* note = NewNote();
    HWND hwnd = note->hwnd;
    SendMessageA(hwnd, WM_NCMOUSEMOVE, HTCAPTION, Packed(IconCenter(hwnd, CaptionIconLock)));
    EXPECT_EQ(note->iconHover, 1);
    EXPECT_EQ(GetCapture(), hwnd);
    RECT window;
    GetWindowRect(hwnd, &window);
    POINT bare {(window.left + window.right) / 2, window.top + 3};
    SendMessageA(hwnd, WM_NCMOUSEMOVE, HTCAPTION, Packed(bare));
    EXPECT_EQ(note->iconHover, 0);
    EXPECT_NE(GetCapture(), hwnd);
}

TEST_F(NoteWindow, ACaptionClickAcknowledgesARingingAlarm)
{
    Note* note = NewNote();
    note->alarmState = AlarmState::Ringing;
    note->frameColor = 0x000000FF;
    SendMessageA(note->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(note->hwnd, CaptionIconPin)));
    EXPECT_EQ(note->alarmState, AlarmState::Acknowledged);
    EXPECT_EQ(note->frameColor, kDefaultFrameColor);
    EXPECT_EQ(note->alwaysOnTop, 1);   // and the click still acts on the pin
}

TEST_F(NoteWindow, SendsItsPropertiesToTheHost)
{
    Note* note = NewNote();
    note->title = std::string(300, 't');
    note->alwaysOnTop = 1;
    note->captionColor = 0x00123456;
    note->alarmTime = LocalMoment(2003, 3, 1, 8, 30);
    note->repeat = 1;
    note->count = -56;
    note->unit = 3;

    TestHost& host = engine.Host();
    // On the frame: a caption right-click makes Wine wait for the release.
    SendMessageA(note->hwnd, WM_NCRBUTTONDOWN, HTLEFT, 0);
    ASSERT_EQ(host.propertyRequests, 1);
    EXPECT_EQ(host.lastRequestWindow, note->hwnd);
    const NotePropertyRecord& r = host.lastRecord;
    EXPECT_EQ(r.alwaysOnTop.Get(), 1);
    EXPECT_EQ(r.captionColor.GetUnsigned(), 0x00123456u);
    EXPECT_EQ(r.backColor.GetUnsigned(), 0x00CCFFFFu);
    EXPECT_EQ(r.frameColor.GetUnsigned(), 0x00610E0Eu);
    EXPECT_EQ(r.Title(), std::string(254, 't'));
    const int32_t date[] = {r.alarmYear.Get(), r.alarmMonth.Get(), r.alarmDay.Get(),
                            r.alarmHour.Get(), r.alarmMinute.Get(), r.alarmSecond.Get()};
    const int32_t expected[] = {2003, 3, 1, 8, 30, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(date[i], expected[i]) << "field " << i;
    EXPECT_EQ(r.repeat.Get(), 1);
    EXPECT_EQ(r.repeatCount.Get(), -56);
    EXPECT_EQ(r.repeatUnit.Get(), 3);
    LOGFONTA font;
    std::memcpy(&font, r.logFont, sizeof font);
    EXPECT_EQ(font.lfHeight, 18);

    // The host's menu asks the same way; a negative alarm goes as none.
    note->alarmTime = -1;
    SendMessageA(note->hwnd, WM_NOTE_COMMAND, NOTECMD_PROPERTIES, 0);
    EXPECT_EQ(host.propertyRequests, 2);
    EXPECT_EQ(host.lastRecord.alarmYear.Get(), 0);
    EXPECT_EQ(note->alarmTime, 0);
}

TEST_F(NoteWindow, TakesEveryFieldOfThePropertyReply)
{
    Note* note = NewNote();
    note->modified = 0;
    NotePropertyRecord reply {};
    reply.alwaysOnTop.Set(1);
    reply.lockText.Set(1);
    LOGFONTA font {};
    font.lfHeight = 30;
    std::strcpy(font.lfFaceName, "Arial");
    std::memcpy(reply.logFont, &font, sizeof font);
    reply.backColor.SetUnsigned(0x00AABBCC);
    reply.frameColor.SetUnsigned(0);
    reply.captionColor.SetUnsigned(0x00DDEEFF);
    reply.SetTitle("Renamed");
    reply.alarmYear.Set(2003);
    reply.alarmMonth.Set(2);
    reply.alarmDay.Set(30);
    reply.alarmHour.Set(9);
    reply.alarmMinute.Set(15);
    reply.repeat.Set(1);
    reply.repeatCount.Set(200);
    reply.repeatUnit.Set(4);

    PostMessageA(note->hwnd, WM_NOTE_PROPERTIES, 0, 0);   // no record: ignored
    PostMessageA(note->hwnd, WM_NOTE_PROPERTIES, WPARAM(&reply), 0);
    ASSERT_TRUE(PumpUntil([&] { return note->modified == 1; }));
    EXPECT_EQ(note->title, "Renamed");
    EXPECT_EQ(note->backColor, 0x00AABBCCu);
    EXPECT_EQ(note->captionColor, 0x00DDEEFFu);
    EXPECT_EQ(note->frameColor, 0u);
    EXPECT_TRUE(IsTopmost(note->hwnd));
    EXPECT_TRUE(IsReadOnly(note->editor->Hwnd()));
    LOGFONTA taken {};
    GetObjectA(note->bodyFont.Get(), sizeof taken, &taken);
    EXPECT_EQ(taken.lfHeight, 30);
    EXPECT_EQ(note->count, -56);
    EXPECT_EQ(note->unit, 4);
    EXPECT_EQ(note->alarmTime, LocalMoment(2003, 3, 2, 9, 15));   // 30 February rolls over

    reply.alarmYear.Set(0);
    note->modified = 0;
    PostMessageA(note->hwnd, WM_NOTE_PROPERTIES, WPARAM(&reply), 0);
    ASSERT_TRUE(PumpUntil([&] { return note->modified == 1; }));
    EXPECT_EQ(note->alarmTime, 0);
}

TEST_F(NoteWindow, DeletesAfterTheConfirmationTheSettingsAskFor)
{
    struct Case {
        const char* name;
        bool setConfirm;
        DWORD confirm;
        int answer;   // 0: no question expected
        bool deleted;
    };
    const Case cases[] = {
        {"not asked", true, 0, 0, true},
        {"asked, yes", false, 0, IDYES, true},
        {"asked, no", true, 1, IDNO, false},
    };
    for (const Case& c : cases) {
        settings.Clear();
        if (c.setConfirm)
            settings.SetDword("DeleteConfirm", c.confirm);
        Note* note = NewNote();
        std::string stream = note->streamName;
        size_t before = NoteList::Instance().Size();
        std::unique_ptr<MessageBoxAnswerer> answerer;
        if (c.answer)
            answerer = std::make_unique<MessageBoxAnswerer>(c.answer);
        SendMessageA(note->hwnd, WM_NOTE_COMMAND, NOTECMD_DELETE, LPARAM(note->hwnd));
        if (answerer) {
            ASSERT_TRUE(answerer->Wait()) << c.name;
            EXPECT_EQ(answerer->Text(), "Delete note?");
            EXPECT_EQ(answerer->Caption(), "Vantix");
        }
        EXPECT_EQ(NoteList::Instance().Size(), c.deleted ? before - 1 : before) << c.name;
        EXPECT_EQ(ReadNotesFile(engine.NotesPath()).streams.count(stream), c.deleted ? 0u : 1u) << c.name;
    }
}

std::string gOpened;
int gOpenings = 0;
void RecordOpening(HWND, const char* target)
{
    gOpened = target;
    ++gOpenings;
}

TEST_F(NoteWindow, OpensALinkOnlyWhenTheButtonIsReleased)
{
    Note* note = NewNote();
    HWND editor = note->editor->Hwnd();
    SetWindowTextA(editor, "see http://example.com/x now");
    SetLinkOpener(RecordOpening);
    gOpenings = 0;
    ENLINK link {};
    link.nmhdr = {editor, UINT_PTR(111), UINT(EN_LINK)};
    link.chrg = {4, 24};
    for (UINT mouse : {UINT(WM_LBUTTONDOWN), UINT(WM_LBUTTONUP)}) {
        SendMessageA(editor, EM_SETSEL, 0, 0);
        link.msg = mouse;
        EXPECT_EQ(SendMessageA(note->hwnd, WM_NOTIFY, 111, LPARAM(&link)), 0);
        CHARRANGE selected {};
        SendMessageA(editor, EM_EXGETSEL, 0, LPARAM(&selected));
        EXPECT_EQ(selected.cpMin, 4);
        EXPECT_EQ(selected.cpMax, 24);
        EXPECT_EQ(gOpenings, mouse == WM_LBUTTONUP ? 1 : 0);
    }
    EXPECT_EQ(gOpened, "http://example.com/x");
    SetLinkOpener(nullptr);
}

TEST_F(NoteWindow, TheSystemCloseCommandSavesAndShowBringsTheNoteBack)
{
    Note* note = NewNote();
    SetWindowTextA(note->editor->Hwnd(), "closed with alt f4");
    SendMessageA(note->editor->Hwnd(), EM_SETMODIFY, TRUE, 0);
    SendMessageA(note->hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(note->hwnd, nullptr);
    EXPECT_EQ(note->hidden, 0);
    EXPECT_EQ(note->editor, nullptr);
    EXPECT_NE(ReadNotesFile(engine.NotesPath()).streams[note->streamName].find("closed with alt f4"),
              std::string::npos);

    int32_t index = 0;
    char info[256];
    EXPECT_EQ(engine.Control().GetNote(&index, info), 0);
    EXPECT_NE(std::string(info).find("closed with alt f4"), std::string::npos);

    Show(*note);
    ASSERT_TRUE(IsWindow(note->hwnd));
    char text[64];
    GetWindowTextA(note->editor->Hwnd(), text, sizeof text);
    EXPECT_STREQ(text, "closed with alt f4");
}

TEST_F(NoteWindow, CarriesOutTheHostsCommands)
{
    Note* note = NewNote();
    SendMessageA(note->hwnd, WM_NOTE_COMMAND, 99, 0);
    EXPECT_TRUE(IsWindow(note->hwnd));
    SetWindowTextA(note->editor->Hwnd(), "saved on command");
    SendMessageA(note->editor->Hwnd(), EM_SETMODIFY, TRUE, 0);
    SendMessageA(note->hwnd, WM_NOTE_COMMAND, NOTECMD_SAVE, 0);
    EXPECT_NE(ReadNotesFile(engine.NotesPath()).streams[note->streamName].find("saved on command"), std::string::npos);
    HWND hwnd = note->hwnd;
    SendMessageA(hwnd, WM_NOTE_COMMAND, NOTECMD_HIDE, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(note->hidden, 1);
    ParsedNoteStream parsed;
    ASSERT_TRUE(ParseNoteStream(ReadNotesFile(engine.NotesPath()).streams[note->streamName], &parsed));
    EXPECT_EQ(parsed.header.hidden, 1);
}

TEST_F(NoteWindow, ShowsTheScrollArrowsOnlyWhenTextLiesBeyondTheView)
{
    Note* note = NewNote();
    HWND editor = note->editor->Hwnd();
    HWND up = note->scrollUpButton->Hwnd();
    HWND down = note->scrollDownButton->Hwnd();
    auto repaint = [&] {
        InvalidateRect(editor, nullptr, TRUE);
        UpdateWindow(editor);
    };
    SetWindowTextA(editor, "short");
    repaint();
    EXPECT_FALSE(IsWindowVisible(up));
    EXPECT_FALSE(IsWindowVisible(down));

    std::string lines;
    for (int i = 0; i < 40; ++i)
        lines += "line " + std::to_string(i) + "\r\n";
    SetWindowTextA(editor, lines.c_str());
    SendMessageA(editor, EM_SETSEL, 0, 0);
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
    repaint();
    EXPECT_FALSE(IsWindowVisible(up));
    EXPECT_TRUE(IsWindowVisible(down));

    // A click on the down arrow scrolls one line: now text lies above too.
    SendMessageA(editor, WM_COMMAND, MAKEWPARAM(113, BN_CLICKED), LPARAM(down));
    EXPECT_EQ(SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    repaint();
    EXPECT_TRUE(IsWindowVisible(up));
}

TEST_F(NoteWindow, ThreeNotesOnTheScreen)
{
    Note* pinned = NewNote();
    Note* locked = NewNote();
    Note* titled = NewNote();
    SetWindowPos(pinned->hwnd, nullptr, 30, 60, 296, 171, SWP_NOZORDER);
    SetWindowPos(locked->hwnd, nullptr, 360, 60, 296, 171, SWP_NOZORDER);
    SetWindowPos(titled->hwnd, nullptr, 200, 300, 296, 171, SWP_NOZORDER);
    SendMessageA(pinned->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(pinned->hwnd, CaptionIconPin)));
    SendMessageA(locked->hwnd, WM_NCLBUTTONDOWN, HTCAPTION, Packed(IconCenter(locked->hwnd, CaptionIconLock)));
    titled->title = "A rather long title that does not fit the caption of a note";
    SetWindowTextA(pinned->editor->Hwnd(), "Pinned: always on top.\r\nhttp://example.com/pinned");
    SetWindowTextA(locked->editor->Hwnd(), "Locked: the text is read-only.");
    std::string lines;
    for (int i = 1; i <= 12; ++i)
        lines += "Line " + std::to_string(i) + " of a long note\r\n";
    SetWindowTextA(titled->editor->Hwnd(), lines.c_str());
    for (Note* note : {pinned, locked, titled}) {
        SetWindowPos(note->hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        RedrawWindow(note->hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    PumpFor(1500);
    EXPECT_TRUE(IsTopmost(pinned->hwnd));
    EXPECT_TRUE(IsReadOnly(locked->editor->Hwnd()));
    EXPECT_FALSE(vantora::test::SaveScreenshot("notes-three").empty());
}

} // namespace
} // namespace vantora::notes::test
