// jotbox.dll as the tray program uses it: created through its class object,
// called through IJotboxC's function table and through IDispatch.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "notes/JotboxTestSupport.h"
#include "notes/NoteStreamFormat.h"
#include "notes/NoteDefaults.h"
#include "shared/NoteMessages.h"
#include "tests/support/GuiTest.h"
#include "win/Scoped.h"

namespace vantora::notes::test {
namespace {

using vantora::test::FindOwnTopLevel;
using vantora::test::PumpFor;

// Slots of IJotboxC's function table after IUnknown and IDispatch.
enum Slot {
    kCreateNew = 7, kReset, kLoadData, kSave, kHideAll, kShowAll, kShowNote, kHideNote, kGetNote, kShowLast, kAlam
};

LONG HandleValue(HWND hwnd) { return LONG(LONG_PTR(hwnd)); }

int CountNoteWindows()
{
    int count = 0;
    for (HWND w = FindWindowExA(nullptr, nullptr, "Mirefold Note Class", nullptr); w;
         w = FindWindowExA(nullptr, w, "Mirefold Note Class", nullptr))
        if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId())
            ++count;
    return count;
}

std::vector<std::string> ListEntries(IJotboxC* control)
{
    std::vector<std::string> entries;
    int32_t index = 0;
    char info[256];
    CallGetNoteSlot(control, &index, info);
    while (index != -1 && entries.size() < 100) {
        ++index;
        entries.push_back(info);
        CallGetNoteSlot(control, &index, info);
    }
    return entries;
}

class JotboxCom : public ::testing::Test {
protected:
    RegistryBackup settings {kSettingsKey};
    RegistryBackup defaults {kDefaultNotesKey};
    TestHost host;
};

TEST_F(JotboxCom, GivesItsClassObjectOnlyForItsClassAndCountsItsObjects)
{
    LoadedJotbox jotbox("com-create");
    ASSERT_TRUE(jotbox.Ok());
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(jotbox.Module(), "DllCanUnloadNow")));
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(jotbox.Module(), "DllGetClassObject")));
    ASSERT_TRUE(canUnload && get);

    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(get(IID_IJotboxC, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(canUnload(), S_FALSE);

    win::ComPtr<IDispatch> dispatch;
    EXPECT_EQ(jotbox.Control()->QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);
    win::ComPtr<IUnknown> unknown;
    EXPECT_EQ(jotbox.Control()->QueryInterface(IID_IUnknown, unknown.PutVoid()), S_OK);
    win::ComPtr<IUnknown> none;
    EXPECT_EQ(jotbox.Control()->QueryInterface(IID_IClassFactory, none.PutVoid()), E_NOINTERFACE);
    dispatch.Reset();
    unknown.Reset();

    jotbox.ReleaseControl();
    EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(JotboxCom, EmbedsItsTypeLibraryWithTheMethodsByDispid)
{
    LoadedJotbox jotbox("com-typelib");
    ASSERT_TRUE(jotbox.Ok());
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(jotbox.Module(), path, MAX_PATH);
    win::ComPtr<ITypeLib> library;
    ASSERT_EQ(LoadTypeLibEx(path, REGKIND_NONE, library.Put()), S_OK);
    TLIBATTR* attr = nullptr;
    ASSERT_EQ(library->GetLibAttr(&attr), S_OK);
    wchar_t guid[64];
    StringFromGUID2(attr->guid, guid, 64);
    EXPECT_STREQ(guid, L"{A985DDDA-14A1-4733-A453-5F3D123B28C5}");
    EXPECT_EQ(attr->wMajorVerNum, 1);
    EXPECT_EQ(attr->wMinorVerNum, 0);
    library->ReleaseTLibAttr(attr);

    win::ComPtr<IDispatch> dispatch;
    ASSERT_EQ(jotbox.Control()->QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);
    const wchar_t* names[] = {L"CreateNew", L"Reset", L"LoadData", L"Save", L"HideAll", L"ShowAll",
                              L"ShowNote",  L"HideNote", L"GetNote", L"ShowLast", L"Alam"};
    for (int i = 0; i < 11; ++i) {
        LPOLESTR name = const_cast<LPOLESTR>(names[i]);
        DISPID id = 0;
        EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
        EXPECT_EQ(id, i + 1) << "method " << i;
    }
    win::ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.Put()), S_OK);
    BSTR doc = nullptr;
    ASSERT_EQ(info->GetDocumentation(1, nullptr, &doc, nullptr, nullptr), S_OK);
    EXPECT_STREQ(doc, L"method CreateNew");
    SysFreeString(doc);
}

TEST_F(JotboxCom, RunsTheHostsCallsThroughTheFunctionTable)
{
    settings.SetDword("DeleteConfirm", 0);
    LoadedJotbox jotbox("com-slots");
    ASSERT_TRUE(jotbox.Ok());
    IJotboxC* c = jotbox.Control();

    EXPECT_EQ(CallSlot(c, kLoadData, HandleValue(host.Hwnd())), S_OK);
    ASSERT_TRUE(FileExists(jotbox.NotesPath()));
    EXPECT_EQ(ListEntries(c).size(), 0u);

    HRESULT first = CallSlot(c, kCreateNew);
    HRESULT second = CallSlot(c, kCreateNew);
    EXPECT_GT(first, 0);
    EXPECT_GT(second, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(CountNoteWindows(), 2);

    auto entries = ListEntries(c);
    ASSERT_EQ(entries.size(), 2u);
    char id[16];
    snprintf(id, sizeof id, "%010d", int(first));
    EXPECT_EQ(entries[0].substr(0, 10), id);
    EXPECT_EQ(entries[0].substr(10, 1), "[");

    EXPECT_EQ(CallSlot(c, kSave, 1), S_OK);
    EXPECT_EQ(CallSlot(c, kHideNote, first), S_OK);
    EXPECT_EQ(CountNoteWindows(), 2);
    EXPECT_EQ(CallSlot(c, kHideAll), S_OK);
    EXPECT_EQ(CountNoteWindows(), 0);
    EXPECT_EQ(CallSlot(c, kShowLast), S_OK);   // every note hidden: nothing
    EXPECT_EQ(CountNoteWindows(), 0);
    EXPECT_EQ(CallSlot(c, kShowNote, first), S_OK);
    EXPECT_EQ(CountNoteWindows(), 1);
    EXPECT_EQ(CallSlot(c, kShowAll), S_OK);
    EXPECT_EQ(CountNoteWindows(), 2);
    EXPECT_EQ(CallSlot(c, kSave, 0), S_OK);
    EXPECT_EQ(CallSlot(c, kAlam), S_OK);
    EXPECT_EQ(CallSlot(c, kReset), S_OK);
    EXPECT_EQ(CountNoteWindows(), 0);
    EXPECT_EQ(CallSlot(c, kReset), S_OK);
    EXPECT_EQ(ListEntries(c).size(), 0u);

    // Both notes were written and come back; a second load lists them twice.
    EXPECT_EQ(CallSlot(c, kLoadData, HandleValue(host.Hwnd())), S_OK);
    EXPECT_EQ(ListEntries(c).size(), 2u);
    EXPECT_EQ(CallSlot(c, kLoadData, HandleValue(host.Hwnd())), S_OK);
    EXPECT_EQ(ListEntries(c).size(), 4u);
}

TEST_F(JotboxCom, ServesTheMethodsThroughIDispatch)
{
    LoadedJotbox jotbox("com-dispatch");
    ASSERT_TRUE(jotbox.Ok());
    win::ComPtr<IDispatch> dispatch;
    ASSERT_EQ(jotbox.Control()->QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);

    VARIANT arg;
    VariantInit(&arg);
    arg.vt = VT_I4;
    arg.lVal = HandleValue(host.Hwnd());
    DISPPARAMS one {&arg, nullptr, 1, 0};
    DISPPARAMS none {nullptr, nullptr, 0, 0};
    EXPECT_EQ(dispatch->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(ListEntries(jotbox.Control()).size(), 1u);
    EXPECT_EQ(CountNoteWindows(), 1);
    EXPECT_EQ(dispatch->Invoke(5, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(CountNoteWindows(), 0);
    EXPECT_EQ(dispatch->Invoke(99, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
}

TEST_F(JotboxCom, NumbersNoteStreamsFromTwoAndNeverReusesANumber)
{
    settings.SetDword("DeleteConfirm", 0);
    LoadedJotbox jotbox("com-numbers");
    ASSERT_TRUE(jotbox.Ok());
    IJotboxC* c = jotbox.Control();
    ASSERT_EQ(CallSlot(c, kLoadData, HandleValue(host.Hwnd())), S_OK);

    NotesFileContent fresh = ReadNotesFile(jotbox.NotesPath());
    ASSERT_TRUE(fresh.opened);
    EXPECT_EQ(fresh.rootElements, std::vector<std::string> {"Notes Stg"});
    EXPECT_EQ(fresh.order, std::vector<std::string> {"config.ini"});
    EXPECT_EQ(CounterOf(fresh), 1);

    CallSlot(c, kCreateNew);
    NotesFileContent one = ReadNotesFile(jotbox.NotesPath());
    EXPECT_EQ(CounterOf(one), 2);
    ASSERT_EQ(one.streams.count("2"), 1u);
    const std::string& stream = one.streams["2"];
    ParsedNoteStream parsed;
    ASSERT_TRUE(ParseNoteStream(stream, &parsed));
    // A new note's stream ends right after the CR LF of its title.
    EXPECT_EQ(stream.size(), kNoteHeaderSize + parsed.title.size() + 2);
    EXPECT_EQ(stream.substr(stream.size() - 2), "\r\n");
    EXPECT_FALSE(parsed.title.empty());
    EXPECT_GT(parsed.header.lastUsed, 0);
    EXPECT_EQ(parsed.header.right - parsed.header.left, 296);

    CallSlot(c, kCreateNew);
    HWND newest = FindOwnTopLevel("Mirefold Note Class");
    ASSERT_TRUE(newest);
    SendMessageA(newest, WM_NOTE_COMMAND, NOTECMD_DELETE, LPARAM(newest));
    EXPECT_EQ(ReadNotesFile(jotbox.NotesPath()).streams.count("3"), 0u);
    CallSlot(c, kCreateNew);
    NotesFileContent after = ReadNotesFile(jotbox.NotesPath());
    EXPECT_EQ(CounterOf(after), 4);
    EXPECT_EQ(after.streams.count("4"), 1u);
    EXPECT_EQ(after.streams.count("3"), 0u);
}

TEST_F(JotboxCom, KeepsTypedTextAcrossUnloadAndReload)
{
    std::string folder;
    {
        LoadedJotbox jotbox("com-reload");
        ASSERT_TRUE(jotbox.Ok());
        folder = jotbox.Folder();
        CallSlot(jotbox.Control(), kLoadData, HandleValue(host.Hwnd()));
        CallSlot(jotbox.Control(), kCreateNew);
        HWND note = FindOwnTopLevel("Mirefold Note Class");
        HWND editor = GetDlgItem(note, 111);
        ASSERT_TRUE(editor);
        SetWindowTextA(editor, "first line\r\nsecond line");
        SendMessageA(editor, EM_SETMODIFY, TRUE, 0);
        // The window's destruction at unload writes the changed note.
        jotbox.Unload();
    }
    HMODULE module = LoadLibraryA((folder + "\\jotbox.dll").c_str());
    ASSERT_TRUE(module);
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    win::ComPtr<IClassFactory> factory;
    ASSERT_EQ(get(CLSID_JotboxC, IID_IClassFactory, factory.PutVoid()), S_OK);
    IJotboxC* c = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IJotboxC, reinterpret_cast<void**>(&c)), S_OK);
    factory.Reset();
    EXPECT_EQ(CallSlot(c, kLoadData, HandleValue(host.Hwnd())), S_OK);
    auto entries = ListEntries(c);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].substr(10, 20), "first line  second l");
    CallSlot(c, kReset);
    c->Release();
    FreeLibrary(module);
}


} // namespace
} // namespace vantora::notes::test
