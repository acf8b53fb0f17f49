// The KORU32 library's exported entry points, for hosts that load it at run
// time (dlopen and dlsym by these names): self-registration into the per-user
// registry file, the class object, the unload check, and the factory that
// creates a control from a stored property set.
#pragma once

#include <cstddef>
#include <cstdint>

class QWidget;

// A class object: creates instances of its class.
struct KoruClassFactory {
    // Creates the control as a child of parent named name from a stored set
    // (size 0: a new instance). Returns 0 and the widget in *out, or an error code.
    std::int32_t (*createInstance)(QWidget* parent, const char* name, const unsigned char* set,
                                   std::size_t size, QWidget** out);
};

extern "C" {
// 0, SELFREG_E_TYPELIB (0x80040200) or SELFREG_E_CLASS (0x80040201).
std::int32_t DllRegisterServer();
std::int32_t DllUnregisterServer();
// The class object of the class named by its ProgID or class identifier; iid
// must be "IClassFactory". 0, CLASS_E_CLASSNOTAVAILABLE, E_NOINTERFACE or E_POINTER.
std::int32_t DllGetClassObject(const char* clsid, const char* iid, void** ppv);
// 0 (S_OK) when no control of this library is alive, else 1 (S_FALSE).
std::int32_t DllCanUnloadNow();
// The control from a stored set; null when the set is corrupt.
QWidget* koruCreateControl(QWidget* parent, const char* name, const unsigned char* set, std::size_t size);
}

// Signatures for dlsym.
using KoruCreateControlFunction = QWidget* (*)(QWidget*, const char*, const unsigned char*, std::size_t);
using KoruRegisterFunction = std::int32_t (*)();
