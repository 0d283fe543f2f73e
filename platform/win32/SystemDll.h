#pragma once
// Functions of system DLLs that the program needs only after its window is up, or only now and
// then: loading them, and all they load in turn, is left out of start-up. Only the system
// folder is searched, never the program's or the current one.
#include <windows.h>

namespace pw::win32 {

// The function, or nullptr when the DLL or the function cannot be had.
template <typename Function>
Function* SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace pw::win32
