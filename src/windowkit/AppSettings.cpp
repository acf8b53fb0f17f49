// The application-wide settings store.
#include "windowkit/AppSettings.h"

namespace zel {

namespace {
std::unique_ptr<SettingsStore>& storeSlot() {
    static std::unique_ptr<SettingsStore> store = std::make_unique<MemorySettingsStore>();
    return store;
}
} // namespace

SettingsStore& appSettings() {
    return *storeSlot();
}

SettingsStore& installAppSettings(std::unique_ptr<SettingsStore> store) {
    if (!store) store = std::make_unique<MemorySettingsStore>();
    storeSlot() = std::move(store);
    return *storeSlot();
}

} // namespace zel
