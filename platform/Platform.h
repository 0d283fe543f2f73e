#pragma once
#include <string>

#include "platform/AnsiCodePage.h"
#include "platform/Clipboard.h"
#include "platform/FileDialog.h"
#include "platform/Files.h"
#include "platform/InstanceLock.h"
#include "platform/NotifyIcon.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"
#include "platform/Ui.h"

namespace pw {

// Everything the program gets from the operating system, handed to the presenters.
struct Platform {
    Ui& ui;
    Registry& registry;
    Clipboard& clipboard;
    InstanceLock& instance;
    NotifyIcon& notifyIcon;
    Sound& sound;
    Files& files;
    const AnsiCodePage& codePage;
    FileDialog& fileDialog;
    Shell& shell;
    // The folder of the executable, without a trailing backslash except for a drive root.
    std::u16string programFolder;
    SystemFolders systemFolders;
};

}  // namespace pw
