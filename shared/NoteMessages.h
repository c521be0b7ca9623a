// Message numbers between the tray program and the notes control. Both sides
// are built separately, so these values are fixed forever.
#pragma once

namespace vantora {

constexpr unsigned kWmUser = 0x0400;

// editor -> host: wParam editor window, lParam address of a screen POINT
constexpr unsigned WM_NOTE_EDITMENU = kWmUser + 1;
// host -> note window: wParam one of the NOTECMD_* values
constexpr unsigned WM_NOTE_COMMAND = kWmUser + 1;
// note window <-> host: carries a NotePropertyRecord by address
constexpr unsigned WM_NOTE_PROPERTIES = kWmUser + 2;

enum NoteCommand : unsigned {
    NOTECMD_HIDE = 1,
    NOTECMD_DELETE = 2,
    NOTECMD_SAVE = 3,
    NOTECMD_PROPERTIES = 4,
};

// Commands and queries the host sends to a note's editor (wParam and lParam
// 0, except NEM_GETFACENAME whose wParam is the address of a 256-byte buffer).
enum NoteEditorMessage : unsigned {
    NEM_HASSELECTION = 1125,
    NEM_ALIGNLEFT = 1126,
    NEM_ALIGNRIGHT = 1127,
    NEM_ALIGNCENTER = 1128,
    NEM_BULLET = 1129,
    NEM_COLOR = 1130,
    NEM_FONTNAME = 1131,
    NEM_UNDERLINE = 1132,
    NEM_FONTSIZE = 1133,
    NEM_ISLEFT = 1134,
    NEM_ISRIGHT = 1135,
    NEM_ISCENTER = 1136,
    NEM_ISBULLET = 1137,
    NEM_GETFACENAME = 1139,
    NEM_ISUNDERLINE = 1140,
    NEM_GETFONTSIZE = 1141,
    NEM_ISITALIC = 1142,
    NEM_ITALIC = 1143,
    NEM_ISBOLD = 1144,
    NEM_BOLD = 1145,
    NEM_EXPORT = 1146,
    NEM_IMPORT = 1247,
};

} // namespace vantora
