#pragma once
// A programming error (a name missing from a layout table, a window class Windows refused) is
// loud: it stops a debug build at once and leaves a trace in a release build.
#include <exception>
#include <string_view>

namespace pw::win32 {

void TraceError(std::string_view what) noexcept;
void ProgrammingError(std::string_view what) noexcept;

// Runs an event handler; nothing thrown may cross into Windows, and nothing thrown goes unseen.
template <typename F>
void Guarded(F&& f) noexcept {
    try {
        f();
    } catch (const std::exception& e) {
        TraceError(e.what());
    } catch (...) {
        TraceError("unknown exception");
    }
}

}  // namespace pw::win32
