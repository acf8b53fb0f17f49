// The KORU32 library's exported entry points.
#include "korutext/KoruEntryPoints.h"

#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruRegistration.h"

#include <dlfcn.h>

#include <cstring>
#include <string>

#define KORU_EXPORT __attribute__((visibility("default")))

using zel::koru::KoruRegistration;

namespace {

std::string ownLibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname) return {};
    char resolved[4096];
    if (realpath(info.dli_fname, resolved)) return resolved;
    return info.dli_fname;
}

std::int32_t createInstance(QWidget* parent, const char* name, const unsigned char* set, std::size_t size,
                            QWidget** out) {
    if (!out) return zel::koru::kInvalidPointer;
    *out = koruCreateControl(parent, name, set, size);
    return *out ? zel::koru::kResultOk : std::int32_t(0x80004005u); // E_FAIL
}

const KoruClassFactory kFactory{&createInstance};

} // namespace

extern "C" {

KORU_EXPORT std::int32_t DllRegisterServer() {
    KoruRegistration r(KoruRegistration::defaultRegistryPath(), ownLibraryPath());
    return r.registerServer();
}

KORU_EXPORT std::int32_t DllUnregisterServer() {
    KoruRegistration r(KoruRegistration::defaultRegistryPath(), ownLibraryPath());
    return r.unregisterServer();
}

KORU_EXPORT std::int32_t DllGetClassObject(const char* clsid, const char* iid, void** ppv) {
    if (!ppv) return zel::koru::kInvalidPointer;
    *ppv = nullptr;
    if (!clsid || (KoruRegistration::kControlProgId != clsid && KoruRegistration::kControlClsid != clsid))
        return zel::koru::kClassNotAvailable;
    if (!iid || std::strcmp(iid, "IClassFactory") != 0) return zel::koru::kNoInterface;
    *ppv = const_cast<KoruClassFactory*>(&kFactory);
    return zel::koru::kResultOk;
}

KORU_EXPORT std::int32_t DllCanUnloadNow() {
    return CKoruTextCtrl::instanceCount() == 0 ? zel::koru::kResultOk : zel::koru::kResultFalse;
}

KORU_EXPORT QWidget* koruCreateControl(QWidget* parent, const char* name, const unsigned char* set,
                                       std::size_t size) {
    const QString hostName = name ? QString::fromUtf8(name) : QString();
    zel::koru::KoruPropertySet stored;
    if (set && size > 0) {
        auto read = zel::koru::KoruPropertySet::read(set, size);
        if (!read) return nullptr;
        stored = std::move(*read);
    }
    auto* control = new CKoruTextCtrl(parent);
    if (!hostName.isEmpty()) control->setObjectName(hostName);
    control->loadPropertySet(stored, hostName);
    return control;
}

} // extern "C"
