// The one settings store the whole program uses. The program installs the
// INI-file store at start-up; tests install an in-memory store or an INI store
// in a temporary folder. Until something is installed, an in-memory store serves.
#pragma once

#include "common/SettingsStore.h"

#include <memory>

namespace zel {

// The application-wide settings store.
SettingsStore& appSettings();

// Replaces the application-wide store and returns it.
SettingsStore& installAppSettings(std::unique_ptr<SettingsStore> store);

} // namespace zel
