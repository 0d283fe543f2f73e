#pragma once
#include <string>

#include "panels/PanelStore.h"
#include "settings/Settings.h"

namespace pw {

// What lives for the whole run; created once and handed to the windows by reference.
struct AppState {
    PanelStore Panels;
    Settings settings;
};

}  // namespace pw
