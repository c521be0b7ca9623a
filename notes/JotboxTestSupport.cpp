#include "notes/JotboxTestSupport.h"

#include <objbase.h>

#include <cstring>

#include "notes/JotboxModule.h"
#include "notes/NotesStore.h"
#include "shared/NoteMessages.h"
#include "tests/support/GuiTest.h"
#include "win/Scoped.h"

namespace vantora::notes::test {

namespace {

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), int(wide.size()));
    wide.resize(n > 0 ? size_t(n - 1) : 0);
    return wide;
}

std::string Narrow(const wchar_t* text)
{
    char buffer[520];
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return n > 0 ? std::string(buffer) : std::string();
}

constexpr DWORD kAccess = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

} // namespace

TestHost::TestHost()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VantoraTestHost";
        RegisterClassA(&wc);
        registered = true;
    }
    hwnd_ = CreateWindowExA(0, "VantoraTestHost", "host", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, LONG_PTR(this));
}

TestHost::~TestHost() { DestroyWindow(hwnd_); }

LRESULT CALLBACK TestHost::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<TestHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == WM_NOTE_PROPERTIES && lParam) {
        ++self->propertyRequests;
        self->lastRequestWindow = HWND(wParam);
        std::memcpy(&self->lastRecord, reinterpret_cast<const void*>(lParam), sizeof self->lastRecord);
        return 0;
    }
    if (self && message == WM_NOTE_EDITMENU) {
        ++self->editMenus;
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

NotesFileContent ReadNotesFile(const std::string& path)
{
    NotesFileContent content;
    win::ComPtr<IStorage> root;
    if (FAILED(StgOpenStorage(Wide(path).c_str(), nullptr, kAccess, nullptr, 0, root.Put())))
        return content;
    content.opened = true;
    auto list = [](IStorage* storage, auto&& visit) {
        win::ComPtr<IEnumSTATSTG> elements;
        if (FAILED(storage->EnumElements(0, nullptr, 0, elements.Put())))
            return;
        STATSTG stat;
        while (elements->Next(1, &stat, nullptr) == S_OK) {
            visit(Narrow(stat.pwcsName), stat.type);
            CoTaskMemFree(stat.pwcsName);
        }
    };
    list(root.Get(), [&](const std::string& name, DWORD) { content.rootElements.push_back(name); });
    win::ComPtr<IStorage> notes;
    if (FAILED(root->OpenStorage(L"Notes Stg", nullptr, kAccess, nullptr, 0, notes.Put())))
        return content;
    list(notes.Get(), [&](const std::string& name, DWORD type) {
        if (type == STGTY_STORAGE) {
            content.storages.push_back(name);
            return;
        }
        win::ComPtr<IStream> stream;
        if (FAILED(notes->OpenStream(Wide(name).c_str(), nullptr, kAccess, 0, stream.Put())))
            return;
        STATSTG stat;
        stream->Stat(&stat, STATFLAG_NONAME);
        std::string bytes(size_t(stat.cbSize.QuadPart), '\0');
        ULONG read = 0;
        stream->Read(bytes.data(), ULONG(bytes.size()), &read);
        bytes.resize(read);
        content.streams[name] = bytes;
        content.order.push_back(name);
    });
    return content;
}

bool WriteNotesFile(const std::string& path, const std::vector<std::pair<std::string, std::string>>& streams,
                    const std::vector<std::string>& storages)
{
    win::ComPtr<IStorage> root;
    win::ComPtr<IStorage> notes;
    if (FAILED(StgCreateDocfile(Wide(path).c_str(), kAccess | STGM_CREATE, 0, root.Put())) ||
        FAILED(root->CreateStorage(L"Notes Stg", kAccess, 0, 0, notes.Put())))
        return false;
    for (const auto& [name, bytes] : streams) {
        win::ComPtr<IStream> stream;
        if (FAILED(notes->CreateStream(Wide(name).c_str(), kAccess, 0, 0, stream.Put())))
            return false;
        ULONG written = 0;
        stream->Write(bytes.data(), ULONG(bytes.size()), &written);
    }
    for (const std::string& name : storages) {
        win::ComPtr<IStorage> sub;
        notes->CreateStorage(Wide(name).c_str(), kAccess, 0, 0, sub.Put());
    }
    return true;
}

int32_t CounterOf(const NotesFileContent& content)
{
    auto it = content.streams.find("config.ini");
    if (it == content.streams.end() || it->second.size() != 4)
        return -999;
    int32_t value;
    std::memcpy(&value, it->second.data(), 4);
    return value;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

EngineFixture::EngineFixture(const std::string& name)
{
    notesPath_ = vantora::test::MakeScratchFolder(name) + "\\Notes.bin";
    SetNotesFilePathOverride(notesPath_);
    LoadRichEditLibrary();
    control_ = std::make_unique<NotesControl>();
}

EngineFixture::~EngineFixture()
{
    control_->Reset();
    control_.reset();
    SetNotesFilePathOverride("");
}

LoadedJotbox::LoadedJotbox(const std::string& name)
{
    folder_ = vantora::test::MakeScratchFolder(name);
    std::string dll = folder_ + "\\jotbox.dll";
    if (!CopyFileA(vantora::test::BuildPath("bin/jotbox.dll").c_str(), dll.c_str(), FALSE))
        return;
    module_ = LoadLibraryA(dll.c_str());
    if (!module_)
        return;
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    if (!get)
        return;
    win::ComPtr<IClassFactory> factory;
    if (FAILED(get(CLSID_JotboxC, IID_IClassFactory, factory.PutVoid())))
        return;
    factory->CreateInstance(nullptr, IID_IJotboxC, reinterpret_cast<void**>(&control_));
}

LoadedJotbox::~LoadedJotbox() { Unload(); }

void LoadedJotbox::ReleaseControl()
{
    if (control_) {
        control_->Reset();
        control_->Release();
        control_ = nullptr;
    }
}

void LoadedJotbox::Unload()
{
    ReleaseControl();
    if (module_)
        FreeLibrary(module_);
    module_ = nullptr;
}

namespace {
using Slot0 = HRESULT(STDMETHODCALLTYPE*)(IJotboxC*);
using Slot1 = HRESULT(STDMETHODCALLTYPE*)(IJotboxC*, LONG);
using SlotGetNote = HRESULT(STDMETHODCALLTYPE*)(IJotboxC*, INT_PTR, INT_PTR);
void* SlotAt(IJotboxC* control, int slot) { return (*reinterpret_cast<void***>(control))[slot]; }
} // namespace

HRESULT CallSlot(IJotboxC* control, int slot) { return reinterpret_cast<Slot0>(SlotAt(control, slot))(control); }

HRESULT CallSlot(IJotboxC* control, int slot, LONG argument)
{
    return reinterpret_cast<Slot1>(SlotAt(control, slot))(control, argument);
}

HRESULT CallGetNoteSlot(IJotboxC* control, int32_t* index, char* info)
{
    return reinterpret_cast<SlotGetNote>(SlotAt(control, 15))(control, INT_PTR(index), INT_PTR(info));
}

} // namespace vantora::notes::test
