// One sticky note: its text, title, colours, fonts, flags, rectangle, alarm
// and the handles of its window and child controls. Owned by NoteList.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "win/Scoped.h"

namespace vantora::notes {

class NoteEditor;
class FlatBitmapButton;

enum class AlarmState : int32_t {
    Idle = 0,
    Ringing = 1,
    Acknowledged = 3,
};

// Outline colour of a note, RGB(14, 14, 97); the alarm flips it with pure red.
constexpr COLORREF kDefaultFrameColor = 0x00610E0E;
// Text-area and caption colour when nothing else is set, RGB(255, 255, 204).
constexpr COLORREF kDefaultNoteColor = 0x00CCFFFF;
constexpr int kDefaultNoteWidth = 296;
constexpr int kDefaultNoteHeight = 171;

struct Note {
    // Default fonts and colours only; the registry defaults are applied by
    // the note factory of the notes engine.
    Note();
    virtual ~Note();
    Note(const Note&) = delete;
    Note& operator=(const Note&) = delete;

    win::ScopedFont bodyFont;      // stored as its 60-byte LOGFONTA
    win::ScopedFont captionFont;   // always its default: 14 px, bold
    int32_t hidden = 0;            // 1 while the note has no window because it was hidden
    COLORREF backColor = kDefaultNoteColor;
    COLORREF frameColor = kDefaultFrameColor;
    COLORREF captionColor = kDefaultNoteColor;
    int32_t alwaysOnTop = 0;
    int32_t lockText = 0;
    RECT rect {0, 0, kDefaultNoteWidth, kDefaultNoteHeight};   // screen pixels
    std::string title;             // ANSI code page
    std::string body;              // RTF ("{\rtf...") or plain text, as last stored
    int32_t alarmTime = 0;         // seconds since 1970 UTC; 0: no alarm
    int8_t repeat = 0;
    int8_t count = 0;              // units between repetitions
    uint16_t unit = 2;             // 0 minute, 1 hour, 2 day, 3 week, 4 month
    int32_t modified = 0;          // write at the next save even if the editor saw no change
    AlarmState alarmState = AlarmState::Idle;
    int32_t lastUsed = 0;          // seconds since 1970 UTC
    int32_t hidePressed = 0;       // the caption's hide button is held down
    int32_t iconHover = 0;         // the pointer has entered a caption icon
    HWND tooltip = nullptr;
    std::string streamName;        // decimal number naming the note's stream
    std::unique_ptr<NoteEditor> editor;                 // made with the window
    HWND hwnd = nullptr;                                // null while hidden
    std::unique_ptr<FlatBitmapButton> scrollUpButton;   // made with the window
    std::unique_ptr<FlatBitmapButton> scrollDownButton;
};

} // namespace vantora::notes
