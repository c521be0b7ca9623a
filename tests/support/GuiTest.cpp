#include "tests/support/GuiTest.h"

#include <cstdio>
#include <vector>

namespace vantora::test {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

namespace {

struct FindRequest {
    const char* className;
    const char* title;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM param)
{
    auto* request = reinterpret_cast<FindRequest*>(param);
    char name[256];
    if (request->className) {
        if (!GetClassNameA(hwnd, name, sizeof name) || lstrcmpiA(name, request->className))
            return TRUE;
    }
    if (request->title) {
        GetWindowTextA(hwnd, name, sizeof name);
        if (lstrcmpA(name, request->title))
            return TRUE;
    }
    if (request->pid && WindowProcessId(hwnd) != request->pid)
        return TRUE;
    request->found = hwnd;
    return FALSE;
}

} // namespace

DWORD WindowProcessId(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

HWND FindTopLevel(const char* className, const char* title, DWORD pid)
{
    FindRequest request {className, title, pid, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

HWND FindOwnTopLevel(const char* className, const char* title)
{
    return FindTopLevel(className, title, GetCurrentProcessId());
}

HWND WaitForTopLevel(const char* className, const char* title, DWORD pid, DWORD timeoutMs)
{
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindTopLevel(className, title, pid)) != nullptr; }, timeoutMs);
    return found;
}

namespace {

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param)
{
    char name[32];
    if (GetClassNameA(child, name, sizeof name) && !lstrcmpiA(name, "Static")) {
        char text[1024];
        if (GetWindowTextA(child, text, sizeof text) > 0) {
            auto* out = reinterpret_cast<std::string*>(param);
            if (!out->empty())
                *out += "\n";
            *out += text;
        }
    }
    return TRUE;
}

} // namespace

bool ReadMessageBox(HWND box, std::string* caption, std::string* text)
{
    char buffer[1024];
    GetWindowTextA(box, buffer, sizeof buffer);
    *caption = buffer;
    text->clear();
    // The message text is the static control with id 0xFFFF; the icon is a
    // static without text.
    if (GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer) > 0)
        *text = buffer;
    else
        EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(text));
    return true;
}

MessageBoxAnswerer::MessageBoxAnswerer(int button, DWORD timeoutMs)
    : button_(button), timeoutMs_(timeoutMs), pid_(GetCurrentProcessId())
{
    thread_ = CreateThread(nullptr, 0, Watch, this, 0, nullptr);
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    Wait();
}

bool MessageBoxAnswerer::Wait()
{
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return answered_;
}

DWORD WINAPI MessageBoxAnswerer::Watch(void* param)
{
    auto* self = static_cast<MessageBoxAnswerer*>(param);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < self->timeoutMs_) {
        HWND box = FindTopLevel("#32770", nullptr, self->pid_);
        if (box && IsWindowVisible(box)) {
            ReadMessageBox(box, &self->caption_, &self->text_);
            HWND button = GetDlgItem(box, self->button_);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(self->button_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
            self->answered_ = true;
            return 0;
        }
        Sleep(20);
    }
    return 0;
}

bool ChildProcess::Start(const std::string& commandLine)
{
    Kill();
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
        info_ = {};
        return false;
    }
    CloseHandle(info_.hThread);
    info_.hThread = nullptr;
    return true;
}

int ChildProcess::Wait(DWORD timeoutMs)
{
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return int(code);
}

void ChildProcess::Kill()
{
    if (!info_.hProcess)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    info_ = {};
}

ChildProcess::~ChildProcess()
{
    Kill();
}

int RunChild(const std::string& commandLine, DWORD timeoutMs)
{
    ChildProcess child;
    if (!child.Start(commandLine))
        return -1;
    return child.Wait(timeoutMs);
}

namespace {

std::string WindowsPath(std::string unixPath)
{
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

} // namespace

std::string BuildPath(const std::string& relative)
{
    return WindowsPath(std::string(VANTORA_BUILD_DIR "/") + relative);
}

std::string ProgramPath(const std::string& name)
{
    return WindowsPath(std::string(VANTORA_TEST_BIN_DIR "/") + name);
}

std::string ThisProgramFolder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/"));
}

namespace {

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string MakeScratchFolder(const std::string& name)
{
    std::string root = BuildPath("scratch");
    CreateDirectoryA(root.c_str(), nullptr);
    std::string folder = root + "\\" + name;
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string SaveScreenshot(const std::string& name)
{
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::string path;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        GdiFlush();
        DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
        DWORD imageSize = stride * DWORD(height);
        BITMAPFILEHEADER file {};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info.bmiHeader;
        file.bfSize = file.bfOffBits + imageSize;
        info.bmiHeader.biSizeImage = imageSize;
        std::string folder = BuildPath("screenshots");
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string target = folder + "\\" + name + ".bmp";
        if (FILE* out = std::fopen(target.c_str(), "wb")) {
            std::fwrite(&file, sizeof file, 1, out);
            std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
            std::fwrite(bits, 1, imageSize, out);
            std::fclose(out);
            path = target;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return path;
}

} // namespace vantora::test
