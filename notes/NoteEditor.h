// The rich-edit control that fills a note window (to be completed).
#pragma once

namespace vantora::notes {

class NoteEditor {
public:
    virtual ~NoteEditor() = default;
};

} // namespace vantora::notes
