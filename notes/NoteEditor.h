// The rich-edit control ("RichEdit20A") that fills a note window: RTF in and
// out, its modification flag, whole-line formatting rectangle, the two scroll
// arrows it shows only when text lies above or below, and its back pointer
// to its note.
#pragma once
#include <windows.h>

#include <string>

namespace vantora::notes {

struct Note;
class FlatBitmapButton;

class NoteEditor {
public:
    explicit NoteEditor(Note* note) : note_(note) {}
    virtual ~NoteEditor();
    NoteEditor(const NoteEditor&) = delete;
    NoteEditor& operator=(const NoteEditor&) = delete;

    bool Create(HWND parent, DWORD style, const RECT& rect, int id);
    HWND Hwnd() const { return hwnd_; }
    Note* GetNote() const { return note_; }
    void SetButtons(FlatBitmapButton* up, FlatBitmapButton* down);
    void SetAutoUrlDetect(bool on);

    // Replaces the whole content with the RTF text.
    void StreamInRtf(const std::string& text);
    // The whole content as RTF.
    std::string StreamOutRtf() const;
    bool IsModified() const;
    void SetModified(bool modified);

    // Cuts the formatting rectangle to whole lines.
    void FitFormatRect();
    int GetLineHeight() const;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    void UpdateScrollButtons();
    void ScrollOneLine(int lines);

    Note* note_;
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    FlatBitmapButton* up_ = nullptr;
    FlatBitmapButton* down_ = nullptr;
};

// RTF streaming on any rich-edit window.
void StreamInRtf(HWND editor, const std::string& text);
std::string StreamOutRtf(HWND editor);

} // namespace vantora::notes
