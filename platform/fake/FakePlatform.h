#pragma once
// Every double of the operating system, put together as the program receives them.
#include "platform/Platform.h"
#include "platform/fake/FakeFiles.h"
#include "platform/fake/FakeUi.h"

namespace pw::fake {

struct FakePlatform {
    FakeUi ui;
    FakeRegistry registry;
    FakeClipboard clipboard;
    FakeInstanceLock lock;
    FakeNotifyIcon notifyIcon;
    FakeSound sound;
    FakeFiles files;
    FakeCodePage codePage;
    FakeFileDialog fileDialog;
    FakeShell shell;
    SystemFolders systemFolders{{u"C:\\Program Files", u"C:\\Program Files (x86)", u"C:\\Windows"},
                                [] { return std::u16string(u"C:\\Users\\我\\Documents"); }};
    Platform platform{ui,    registry, clipboard,  lock,  notifyIcon,     sound,
                      files, codePage, fileDialog, shell, u"C:\\PenWick", systemFolders};
};

}  // namespace pw::fake
