#include "notes/Note.h"

#include "notes/FlatBitmapButton.h"
#include "notes/NoteEditor.h"

namespace vantora::notes {

namespace {

HFONT CreateNoteFont(int height, int weight)
{
    return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "MS Sans Serif");
}

} // namespace

Note::Note() : bodyFont(CreateNoteFont(18, FW_NORMAL)), captionFont(CreateNoteFont(14, FW_BOLD)) {}

// Windows are not touched here: whoever deletes a note destroys its window first.
Note::~Note() = default;

} // namespace vantora::notes
