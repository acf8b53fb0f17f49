// koru_register: records the KORU32 library in the per-user registry file (or,
// with --unregister, removes it) by loading the library and calling its
// self-registration entry point, as an installer does.
//   koru_register [--unregister] [LIBRARY]
// LIBRARY defaults to libKORU32.so beside this program, then in ../lib.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string programFolder() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : self.parent_path().string();
}

std::string defaultLibrary() {
    const std::string dir = programFolder();
    for (const std::string& candidate : {dir + "/libKORU32.so", dir + "/../lib/libKORU32.so"})
        if (std::filesystem::exists(candidate)) return std::filesystem::weakly_canonical(candidate).string();
    return dir + "/libKORU32.so";
}

} // namespace

int main(int argc, char** argv) {
    bool unregister = false;
    std::string library;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--unregister") == 0 || std::strcmp(argv[i], "-u") == 0) {
            unregister = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("使い方: koru_register [--unregister] [libKORU32.so のパス]");
            return 0;
        } else {
            library = argv[i];
        }
    }
    if (library.empty()) library = defaultLibrary();
    if (library.find('/') == std::string::npos) library = "./" + library;

    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "koru_register: ライブラリを読み込めません: %s\n", dlerror());
        return 1;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto fn = reinterpret_cast<std::int32_t (*)()>(dlsym(handle, entry));
    if (!fn) {
        std::fprintf(stderr, "koru_register: %s がありません: %s\n", entry, library.c_str());
        return 1;
    }
    const std::int32_t rc = fn();
    if (rc != 0) {
        std::fprintf(stderr, "koru_register: %s が失敗しました (0x%08X)\n", entry, static_cast<unsigned>(rc));
        return 1;
    }
    return 0;
}
