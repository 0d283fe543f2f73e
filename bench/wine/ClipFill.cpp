// ClipFill.exe: puts a text on the clipboard and stays its owner until told to stop, so that
// bench/clip_idle.sh can measure PWick.exe against a large clipboard.
//   ClipFill.exe MEGABYTES [--churn] [--seconds N]   UTF-16 text of MEGABYTES x 10^6 bytes
//   ClipFill.exe --empty [--seconds N]               an emptied clipboard, same owner
//   ClipFill.exe --stop                              ends the running one
// Prints "ready ..." once the clipboard is set. --churn sets the same text again every second,
// which changes the sequence number and so makes every monitor read it again.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

#include "BenchText.h"

namespace {

constexpr wchar_t kStopEvent[] = L"Local\\PenWick.ClipFill.Stop";
constexpr wchar_t kClass[] = L"PenWickClipFill";

// Another process (the monitor) may hold the clipboard for a moment.
bool OpenWithRetry(HWND owner) {
    for (int i = 0; i < 200; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

bool SetText(HWND owner, const std::vector<wchar_t>* text) {
    if (!OpenWithRetry(owner)) return false;
    bool ok = EmptyClipboard() != 0;
    if (ok && text) {
        const SIZE_T bytes = text->size() * sizeof(wchar_t);
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
        void* p = block ? GlobalLock(block) : nullptr;
        ok = p != nullptr;
        if (ok) {
            std::memcpy(p, text->data(), bytes);
            GlobalUnlock(block);
            ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        // The clipboard owns the block only once SetClipboardData took it.
        if (!ok && block) GlobalFree(block);
    }
    CloseClipboard();
    return ok;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: ClipFill.exe MEGABYTES [--churn] [--seconds N]\n"
                 "       ClipFill.exe --empty [--seconds N]\n"
                 "       ClipFill.exe --stop\n");
    return 2;
}

int Stop() {
    HANDLE stop = OpenEventW(EVENT_MODIFY_STATE, FALSE, kStopEvent);
    if (!stop) {
        std::fprintf(stderr, "ClipFill: none running\n");
        return 1;
    }
    SetEvent(stop);
    CloseHandle(stop);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    double megabytes = -1;
    bool empty = false, churn = false;
    double seconds = 600;  // a forgotten helper does not hold the prefix forever
    for (int i = 1; i < argc; ++i) {
        const wchar_t* a = argv[i];
        if (!std::wcscmp(a, L"--stop")) return Stop();
        if (!std::wcscmp(a, L"--empty")) {
            empty = true;
        } else if (!std::wcscmp(a, L"--churn")) {
            churn = true;
        } else if (!std::wcscmp(a, L"--seconds") && i + 1 < argc) {
            seconds = std::wcstod(argv[++i], nullptr);
        } else {
            wchar_t* end = nullptr;
            megabytes = std::wcstod(a, &end);
            if (end == a || *end || megabytes <= 0) return Usage();
        }
    }
    if (empty == (megabytes > 0) || (empty && churn) || seconds <= 0) return Usage();

    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, kStopEvent);
    if (!stop) return 1;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        std::fprintf(stderr, "ClipFill: another one is running\n");
        return 1;
    }

    // A hidden top-level window owns the clipboard and receives its messages.
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(0, kClass, L"ClipFill", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, instance, nullptr);
    if (!owner) return 1;

    std::vector<wchar_t> text;
    if (!empty) {
        const std::wstring made = bench::MakeText(bench::CharsOf(megabytes));
        text.assign(made.c_str(), made.c_str() + made.size() + 1);
    }
    if (!SetText(owner, empty ? nullptr : &text)) {
        std::fprintf(stderr, "ClipFill: could not set the clipboard (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("ready chars=%zu sequence=%lu\n", empty ? std::size_t{0} : text.size() - 1,
                GetClipboardSequenceNumber());
    std::fflush(stdout);

    const ULONGLONG start = GetTickCount64();
    const ULONGLONG deadline = start + static_cast<ULONGLONG>(seconds * 1000);
    ULONGLONG nextChurn = start + 1000;
    unsigned resets = 0, failures = 0;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) break;
        if (churn && now >= nextChurn) {
            if (SetText(owner, &text))
                ++resets;
            else
                ++failures;
            nextChurn += 1000;
            continue;
        }
        const ULONGLONG until = churn && nextChurn < deadline ? nextChurn : deadline;
        const DWORD r = MsgWaitForMultipleObjectsEx(1, &stop, static_cast<DWORD>(until - now),
                                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0) break;
        if (r == WAIT_OBJECT_0 + 1) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
    }
    if (churn) std::printf("stopped after %u resets, %u failed\n", resets, failures);
    DestroyWindow(owner);
    CloseHandle(stop);
    return 0;
}
