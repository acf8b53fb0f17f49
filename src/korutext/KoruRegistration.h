// KoruRegistration: the per-user registry file in which the KORU32 library
// records its type library, its control class and its three property pages
// ($XDG_CONFIG_HOME/KORU32/registry.ini), the result codes of the library's
// self-registration entry points, and the help-directory lookup. Hosts read
// the control's record to find and load the library.
#pragma once

#include "common/Status.h"
#include "korutext/KoruIniFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zel::koru {

// Result codes of the entry points.
constexpr std::int32_t kResultOk = 0;                                    // S_OK
constexpr std::int32_t kResultFalse = 1;                                 // S_FALSE
constexpr std::int32_t kSelfRegErrorTypeLib = std::int32_t(0x80040200u); // SELFREG_E_TYPELIB
constexpr std::int32_t kSelfRegErrorClass = std::int32_t(0x80040201u);   // SELFREG_E_CLASS
constexpr std::int32_t kClassNotAvailable = std::int32_t(0x80040111u);   // CLASS_E_CLASSNOTAVAILABLE
constexpr std::int32_t kNoInterface = std::int32_t(0x80004002u);         // E_NOINTERFACE
constexpr std::int32_t kInvalidPointer = std::int32_t(0x80004003u);      // E_POINTER

// What a host needs to create the control.
struct KoruControlRecord {
    std::string library; // path of libKORU32.so
    std::string factory; // exported function that creates a control from a stored set
    std::string typeLibVersion;
};

class KoruRegistration {
  public:
    static constexpr std::string_view kControlProgId = "KORU16.KoruTextCtrl.1";
    static constexpr std::string_view kControlTypeName = "KoruText Control";
    static constexpr std::string_view kGeneralPageProgId = "KORU16.KoruTextPropPage.1";
    static constexpr std::string_view kTextPageProgId = "CKORUTextPropPage0.CKORUTextPropPage";
    static constexpr std::string_view kDefaultsPageProgId = "CVLDefaultsPropPage0.CVLDefaultsPropPage";
    static constexpr std::string_view kTypeLibSection = "TypeLib\\{6C0B7E40-3A4D-4F1B-9E52-4B0A1D7C5E01}";
    static constexpr std::string_view kHelpDirectorySection = "Software\\Velmor\\Tandrel\\HelpDirectory";
    static constexpr std::string_view kDefaultValueKey = "Default";
    static constexpr std::string_view kFactorySymbol = "koruCreateControl";
    static constexpr std::string_view kHelpFileName = "TDL32CTRL.HLP";
    // Class identifiers of the control and the three pages.
    static constexpr std::string_view kControlClsid = "{6C0B7E41-3A4D-4F1B-9E52-4B0A1D7C5E01}";

    // Writes a file's text; replaced in tests to make a step fail.
    using SaveFunction = std::function<Status(const std::string& path, const std::string& text)>;

    KoruRegistration(std::string registryPath, std::string libraryPath);
    void setSaveFunction(SaveFunction save) { m_save = std::move(save); }

    // Records the type library (with the help directory), then the control and
    // its pages. 0, kSelfRegErrorTypeLib or kSelfRegErrorClass.
    std::int32_t registerServer();
    // Removes the type library, then the classes, with the same three results.
    std::int32_t unregisterServer();

    // $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
    static std::string configDirectory();
    static std::string defaultRegistryPath();
    // The registry file; a missing file reads as empty.
    static Result<KoruIniFile> load(const std::string& path);
    // Writes through a temporary file beside it, then renames.
    static Status saveAtomically(const std::string& path, const std::string& text);

    // The help directory: the default value of the HelpDirectory key, else the
    // folder of the library file (cut at its last '/').
    static std::string helpDirectory(const KoruIniFile& registry, const std::string& libraryPath);
    static std::string helpFile(const std::string& helpDirectory);

    // The control's record, or InvalidArgument when it is missing or incomplete.
    static Result<KoruControlRecord> findControl(const KoruIniFile& registry);

  private:
    std::string m_registryPath;
    std::string m_libraryPath;
    SaveFunction m_save;
};

} // namespace zel::koru
