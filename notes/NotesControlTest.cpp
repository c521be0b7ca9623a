// The control's operations on the note list: GetNote's texts and limits,
// ShowLast's choice, ShowAll's order and marks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "notes/JotboxTestSupport.h"
#include "notes/NoteDefaults.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"

namespace vantora::notes::test {
namespace {

// Whichever of two shown notes is higher in the z-order.
Note* InFront(Note* x, Note* y)
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == x->hwnd)
            return x;
        if (w == y->hwnd)
            return y;
    }
    return nullptr;
}

class NotesControlOps : public ::testing::Test {
protected:
    NotesControlOps()
    {
        defaults.Clear();
        EXPECT_EQ(engine.Control().LoadData(engine.Host().Hwnd()), 0);
    }
    Note* NewNote(const char* text)
    {
        engine.Control().CreateNew();
        Note* note = NoteList::Instance().At(NoteList::Instance().Size() - 1);
        SetWindowTextA(note->editor->Hwnd(), text);
        return note;
    }
    std::string Entry(int32_t index, int32_t* after = nullptr)
    {
        char info[256];
        engine.Control().GetNote(&index, info);
        if (after)
            *after = index;
        return info;
    }
    RegistryBackup defaults {kDefaultNotesKey};
    EngineFixture engine {"control-ops"};
};

TEST_F(NotesControlOps, GetNoteEndsTheListWithMinusOneAndAnEmptyText)
{
    for (int32_t index : {0, 1, -5}) {
        char info[4] = "xyz";
        int32_t at = index;
        EXPECT_EQ(engine.Control().GetNote(&at, info), 1);
        EXPECT_EQ(at, -1);
        EXPECT_EQ(info[0], '\0');
    }
    NewNote("one");
    int32_t after = 0;
    EXPECT_EQ(Entry(0, &after).substr(10), "one[" + NoteList::Instance().At(0)->title + "]");
    EXPECT_EQ(after, 0);   // the caller advances the index
    char info[8];
    int32_t end = 1;
    EXPECT_EQ(engine.Control().GetNote(&end, info), 1);
}

TEST_F(NotesControlOps, GetNoteGivesTheEditorsTextOrTheStoredOne)
{
    Note* shown = NewNote("  unsaved\r\ntext that is longer than twenty bytes  ");
    shown->title = "T";
    EXPECT_EQ(Entry(0).substr(10), "unsaved  text that i[T]");

    Note* hidden = NewNote("");
    hidden->title = "H";
    hidden->body = "{\\rtf1\\ansi stored\\par body\\par}";
    hidden->modified = 0;
    Hide(*hidden);
    hidden->body = "{\\rtf1\\ansi stored\\par body\\par}";
    EXPECT_EQ(Entry(1).substr(10), "stored  body[H]");

    Note* empty = NewNote("");
    empty->title = "E";
    std::string entry = Entry(2);
    EXPECT_EQ(entry.substr(10), "[E]");
    char id[16];
    snprintf(id, sizeof id, "%010d", int(NoteList::Instance().IdOf(empty)));
    EXPECT_EQ(entry.substr(0, 10), id);
}

TEST_F(NotesControlOps, GetNoteNeverWritesPastTheHostsBuffer)
{
    Note* note = NewNote("excerpt");
    note->title = std::string(1000, 'L');
    char buffer[300];
    std::memset(buffer, 0x55, sizeof buffer);
    int32_t index = 0;
    EXPECT_EQ(engine.Control().GetNote(&index, buffer), 0);
    std::string written = buffer;
    EXPECT_EQ(written.size(), 255u);
    EXPECT_EQ(written.back(), ']');
    for (size_t i = 256; i < sizeof buffer; ++i)
        ASSERT_EQ(buffer[i], 0x55) << "byte " << i;
}

TEST_F(NotesControlOps, ShowLastPicksTheVisibleNoteUsedLast)
{
    Note* a = NewNote("a");
    Note* b = NewNote("b");
    Note* c = NewNote("c");
    Hide(*c);
    BringWindowToTop(b->hwnd);
    // Set last: focus moving into an editor touches its note.
    a->lastUsed = 300;
    b->lastUsed = 300;
    c->lastUsed = 500;
    engine.Control().ShowLast();
    // Of two with the same time the earlier wins; the hidden c is never chosen.
    EXPECT_EQ(InFront(a, b), a);
    EXPECT_EQ(c->hwnd, nullptr);

    BringWindowToTop(b->hwnd);
    a->lastUsed = 0;
    b->lastUsed = -4;
    engine.Control().ShowLast();
    EXPECT_EQ(InFront(a, b), b);   // nothing chosen: nothing changes
}

TEST_F(NotesControlOps, ShowAllBringsTheLastNoteToTheFrontAndMarksTheHiddenOnes)
{
    Note* a = NewNote("a");
    Note* b = NewNote("b");
    Note* c = NewNote("c");
    Hide(*a);
    Hide(*b);
    for (Note* n : {a, b, c})
        n->modified = 0;
    engine.Control().ShowAll();
    EXPECT_EQ(a->modified, 1);
    EXPECT_EQ(b->modified, 1);
    EXPECT_EQ(c->modified, 0);
    EXPECT_EQ(InFront(InFront(a, b), c), c);
}

} // namespace
} // namespace vantora::notes::test
