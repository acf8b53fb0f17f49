// The KORU32 registry file: writing and removing the library's entries.
#include "korutext/KoruRegistration.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zel::koru {

namespace {

constexpr std::uintmax_t kMaxRegistrySize = 1u << 20;

struct PageEntry {
    std::string_view progId;
    std::string_view typeName;
    std::string_view clsid;
};

constexpr PageEntry kPages[] = {
    {KoruRegistration::kGeneralPageProgId, "KoruText Property Page",
     "{6C0B7E42-3A4D-4F1B-9E52-4B0A1D7C5E01}"},
    {KoruRegistration::kTextPageProgId, "KoruText Text Property Page",
     "{6C0B7E43-3A4D-4F1B-9E52-4B0A1D7C5E01}"},
    {KoruRegistration::kDefaultsPageProgId, "Velmor Defaults Property Page",
     "{6C0B7E44-3A4D-4F1B-9E52-4B0A1D7C5E01}"},
};

// Activate when visible, set client site first, inside-out, cannot link inside,
// recompose on resize.
constexpr unsigned kMiscStatus = 0x100u | 0x20000u | 0x80u | 0x10u | 0x1u;

} // namespace

KoruRegistration::KoruRegistration(std::string registryPath, std::string libraryPath)
    : m_registryPath(std::move(registryPath)), m_libraryPath(std::move(libraryPath)), m_save(saveAtomically) {
}

std::string KoruRegistration::configDirectory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

std::string KoruRegistration::defaultRegistryPath() {
    return configDirectory() + "/KORU32/registry.ini";
}

Result<KoruIniFile> KoruRegistration::load(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return KoruIniFile{};
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxRegistrySize) return Status::ioError("登録ファイルを読めません: " + path);
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::ioError("登録ファイルを読めません: " + path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Status::ioError("登録ファイルを読めません: " + path);
    return KoruIniFile::parse(text);
}

Status KoruRegistration::saveAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return Status::ioError("登録ファイルに書き込めません: " + path);
        out << text;
        out.flush();
        if (!out) {
            out.close();
            fs::remove(tmp, ec);
            return Status::ioError("登録ファイルに書き込めません: " + path);
        }
    }
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return Status::ioError("登録ファイルに書き込めません: " + path);
    }
    return Status::ok();
}

std::string KoruRegistration::helpDirectory(const KoruIniFile& registry, const std::string& libraryPath) {
    if (auto dir = registry.value(kHelpDirectorySection, kDefaultValueKey); dir && !dir->empty()) return *dir;
    const auto slash = libraryPath.rfind('/');
    if (slash == std::string::npos) return {};
    return libraryPath.substr(0, slash);
}

std::string KoruRegistration::helpFile(const std::string& helpDirectory) {
    return helpDirectory + "/" + std::string(kHelpFileName);
}

Result<KoruControlRecord> KoruRegistration::findControl(const KoruIniFile& registry) {
    KoruControlRecord r;
    r.library = registry.value(kControlProgId, "Library").value_or("");
    r.factory = registry.value(kControlProgId, "Factory").value_or("");
    r.typeLibVersion = registry.value(kControlProgId, "TypeLibVersion").value_or("");
    if (r.library.empty() || r.factory.empty())
        return Status::invalidArgument("KoruText Control は登録されていません。");
    return r;
}

std::int32_t KoruRegistration::registerServer() {
    Result<KoruIniFile> loaded = load(m_registryPath);
    if (!loaded) return kSelfRegErrorTypeLib;
    KoruIniFile ini = std::move(*loaded);

    // The type library, with the help directory.
    ini.removeSection(kTypeLibSection);
    ini.setValue(kTypeLibSection, "Name", "KoruTextLib");
    ini.setValue(kTypeLibSection, "Version", "4.1");
    ini.setValue(kTypeLibSection, "HelpString", "Velmor KoruText Control");
    ini.setValue(kTypeLibSection, "HelpFile", "TDL32CTRL.hlp");
    ini.setValue(kTypeLibSection, "HelpDirectory", helpDirectory(ini, m_libraryPath));
    ini.setValue(kTypeLibSection, "Library", m_libraryPath);
    if (m_libraryPath.empty() || !m_save(m_registryPath, ini.text())) return kSelfRegErrorTypeLib;

    // The control and its pages.
    const std::string typeLib(kTypeLibSection.substr(kTypeLibSection.find('{')));
    ini.removeSection(kControlProgId);
    ini.setValue(kControlProgId, "CLSID", kControlClsid);
    ini.setValue(kControlProgId, "TypeName", kControlTypeName);
    ini.setValue(kControlProgId, "Library", m_libraryPath);
    ini.setValue(kControlProgId, "Factory", kFactorySymbol);
    ini.setValue(kControlProgId, "ToolboxBitmap", "1");
    ini.setValue(kControlProgId, "Insertable", "0");
    ini.setValue(kControlProgId, "MiscStatus", std::to_string(kMiscStatus));
    ini.setValue(kControlProgId, "TypeLib", typeLib);
    ini.setValue(kControlProgId, "TypeLibVersion", "4.1");
    for (const PageEntry& p : kPages) {
        ini.removeSection(p.progId);
        ini.setValue(p.progId, "CLSID", p.clsid);
        ini.setValue(p.progId, "TypeName", p.typeName);
        ini.setValue(p.progId, "Library", m_libraryPath);
    }
    if (!m_save(m_registryPath, ini.text())) return kSelfRegErrorClass;
    return kResultOk;
}

std::int32_t KoruRegistration::unregisterServer() {
    Result<KoruIniFile> loaded = load(m_registryPath);
    if (!loaded) return kSelfRegErrorTypeLib;
    KoruIniFile ini = std::move(*loaded);
    if (ini.removeSection(kTypeLibSection) && !m_save(m_registryPath, ini.text()))
        return kSelfRegErrorTypeLib;
    bool removed = ini.removeSection(kControlProgId);
    for (const PageEntry& p : kPages)
        removed = ini.removeSection(p.progId) || removed;
    if (removed && !m_save(m_registryPath, ini.text())) return kSelfRegErrorClass;
    return kResultOk;
}

} // namespace zel::koru
