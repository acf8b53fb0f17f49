// The KORU32 library's entry points: registration into the per-user registry
// file and its removal with their result codes, the help directory, the class
// object, the unload check and the factory that hosts call after dlopen.
#include "korutext/CKoruTextCtrl.h"
#include "korutext/KoruEntryPoints.h"
#include "korutext/KoruRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using zel::koru::KoruIniFile;
using zel::koru::KoruRegistration;

class TestKoruRegistry : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void registerWritesEveryEntry();
    void helpDirectoryFromTheRegistry();
    void unregisterRemovesTheEntries();
    void failuresGiveTheirResultCodes();
    void classObjectAndUnloadCheck();
    void factoryFromStoredSet();

  private:
    KoruIniFile registry() const {
        auto r = KoruRegistration::load(KoruRegistration::defaultRegistryPath());
        return r ? *r : KoruIniFile{};
    }
    std::unique_ptr<QTemporaryDir> m_config;
};

void TestKoruRegistry::init() {
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    qputenv("XDG_CONFIG_HOME", m_config->path().toUtf8());
    QCOMPARE(QString::fromStdString(KoruRegistration::defaultRegistryPath()),
             m_config->path() + "/KORU32/registry.ini");
}

void TestKoruRegistry::cleanup() {
    m_config.reset();
}

void TestKoruRegistry::registerWritesEveryEntry() {
    QCOMPARE(DllRegisterServer(), 0);
    const KoruIniFile r = registry();
    const std::string lib = r.value("KORU16.KoruTextCtrl.1", "Library").value_or("");
    QVERIFY(QFileInfo(QString::fromStdString(lib)).fileName().startsWith("libKORU32.so"));
    QVERIFY(QFileInfo::exists(QString::fromStdString(lib)));
    QCOMPARE(r.value("KORU16.KoruTextCtrl.1", "TypeName"), std::optional<std::string>("KoruText Control"));
    QCOMPARE(r.value("KORU16.KoruTextCtrl.1", "TypeLibVersion"), std::optional<std::string>("4.1"));
    QCOMPARE(r.value("KORU16.KoruTextCtrl.1", "ToolboxBitmap"), std::optional<std::string>("1"));
    QCOMPARE(r.value("KORU16.KoruTextCtrl.1", "Insertable"), std::optional<std::string>("0"));
    QCOMPARE(r.value("KORU16.KoruTextCtrl.1", "Factory"), std::optional<std::string>("koruCreateControl"));
    QCOMPARE(r.value("KORU16.KoruTextPropPage.1", "TypeName"),
             std::optional<std::string>("KoruText Property Page"));
    QCOMPARE(r.value("CKORUTextPropPage0.CKORUTextPropPage", "TypeName"),
             std::optional<std::string>("KoruText Text Property Page"));
    QCOMPARE(r.value("CVLDefaultsPropPage0.CVLDefaultsPropPage", "TypeName"),
             std::optional<std::string>("Velmor Defaults Property Page"));
    const std::string tl(KoruRegistration::kTypeLibSection);
    QCOMPARE(r.value(tl, "Version"), std::optional<std::string>("4.1"));
    QCOMPARE(r.value(tl, "Name"), std::optional<std::string>("KoruTextLib"));
    QCOMPARE(r.value(tl, "HelpString"), std::optional<std::string>("Velmor KoruText Control"));
    // Without a recorded help directory: the library's folder.
    QCOMPARE(r.value(tl, "HelpDirectory"),
             std::optional<std::string>(QFileInfo(QString::fromStdString(lib)).absolutePath().toStdString()));
    const auto record = KoruRegistration::findControl(r);
    QVERIFY(record.isOk());
    QCOMPARE(record->library, lib);
    // Registering again leaves one record of each.
    QCOMPARE(DllRegisterServer(), 0);
    QFile f(QString::fromStdString(KoruRegistration::defaultRegistryPath()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count("[KORU16.KoruTextCtrl.1]"), 1);
}

void TestKoruRegistry::helpDirectoryFromTheRegistry() {
    QCOMPARE(DllRegisterServer(), 0);
    const QString libFolder =
        QFileInfo(QString::fromStdString(*registry().value("KORU16.KoruTextCtrl.1", "Library")))
            .absolutePath();
    QCOMPARE(CKoruTextCtrl::helpDirectory(), libFolder);
    QCOMPARE(CKoruTextCtrl::helpFile(), libFolder + "/TDL32CTRL.HLP");

    KoruIniFile r = registry();
    r.setValue(KoruRegistration::kHelpDirectorySection, "Default", "/opt/velmor/help");
    QVERIFY(KoruRegistration::saveAtomically(KoruRegistration::defaultRegistryPath(), r.text()).isOk());
    QCOMPARE(CKoruTextCtrl::helpDirectory(), QStringLiteral("/opt/velmor/help"));
    QCOMPARE(CKoruTextCtrl::helpFile(), QStringLiteral("/opt/velmor/help/TDL32CTRL.HLP"));
    // Registration records it with the type library.
    QCOMPARE(DllRegisterServer(), 0);
    QCOMPARE(registry().value(KoruRegistration::kTypeLibSection, "HelpDirectory"),
             std::optional<std::string>("/opt/velmor/help"));
    QCOMPARE(KoruRegistration::helpDirectory(KoruIniFile{}, "noslash"), std::string());
}

void TestKoruRegistry::unregisterRemovesTheEntries() {
    // Nothing registered yet: nothing to remove, still success.
    QCOMPARE(DllUnregisterServer(), 0);
    QCOMPARE(DllRegisterServer(), 0);
    KoruIniFile r = registry();
    r.setValue("Other program", "Keep", "1");
    QVERIFY(KoruRegistration::saveAtomically(KoruRegistration::defaultRegistryPath(), r.text()).isOk());
    QCOMPARE(DllUnregisterServer(), 0);
    r = registry();
    for (const char* section :
         {"KORU16.KoruTextCtrl.1", "KORU16.KoruTextPropPage.1", "CKORUTextPropPage0.CKORUTextPropPage",
          "CVLDefaultsPropPage0.CVLDefaultsPropPage"})
        QVERIFY2(!r.hasSection(section), section);
    QVERIFY(!r.hasSection(KoruRegistration::kTypeLibSection));
    QCOMPARE(r.value("Other program", "Keep"), std::optional<std::string>("1"));
    QVERIFY(!KoruRegistration::findControl(r).isOk());
}

void TestKoruRegistry::failuresGiveTheirResultCodes() {
    // The registry folder cannot be made: the type library step fails first.
    QFile blocker(m_config->path() + "/KORU32");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(static_cast<quint32>(DllRegisterServer()), 0x80040200u);
    QVERIFY(QFile::remove(m_config->path() + "/KORU32"));

    // The type library written, the classes not.
    const std::string path = KoruRegistration::defaultRegistryPath();
    KoruRegistration reg(path, "/opt/lib/libKORU32.so");
    int saves = 0;
    reg.setSaveFunction([&saves](const std::string& p, const std::string& text) {
        if (++saves > 1) return zel::Status::ioError("disk full");
        return KoruRegistration::saveAtomically(p, text);
    });
    QCOMPARE(static_cast<quint32>(reg.registerServer()), 0x80040201u);
    QVERIFY(registry().hasSection(KoruRegistration::kTypeLibSection));
    QVERIFY(!registry().hasSection("KORU16.KoruTextCtrl.1"));

    // Unregistering: the type library's removal fails, then the classes'.
    KoruRegistration full(path, "/opt/lib/libKORU32.so");
    QCOMPARE(full.registerServer(), 0);
    saves = 0;
    reg.setSaveFunction([&saves](const std::string&, const std::string&) {
        ++saves;
        return zel::Status::ioError("read-only");
    });
    QCOMPARE(static_cast<quint32>(reg.unregisterServer()), 0x80040200u);
    saves = 0;
    reg.setSaveFunction([&saves](const std::string& p, const std::string& text) {
        if (++saves > 1) return zel::Status::ioError("read-only");
        return KoruRegistration::saveAtomically(p, text);
    });
    QCOMPARE(static_cast<quint32>(reg.unregisterServer()), 0x80040201u);
    QVERIFY(!registry().hasSection(KoruRegistration::kTypeLibSection));
    QVERIFY(registry().hasSection("KORU16.KoruTextCtrl.1"));

    // No library path: nothing to record.
    KoruRegistration noLib(path, "");
    QCOMPARE(static_cast<quint32>(noLib.registerServer()), 0x80040200u);
}

void TestKoruRegistry::classObjectAndUnloadCheck() {
    const int before = CKoruTextCtrl::instanceCount();
    if (before == 0) QCOMPARE(DllCanUnloadNow(), 0);
    void* object = nullptr;
    QCOMPARE(static_cast<quint32>(DllGetClassObject("Nope.Class.1", "IClassFactory", &object)), 0x80040111u);
    QVERIFY(!object);
    QCOMPARE(static_cast<quint32>(DllGetClassObject("KORU16.KoruTextCtrl.1", "IUnknownThing", &object)),
             0x80004002u);
    QCOMPARE(static_cast<quint32>(DllGetClassObject("KORU16.KoruTextCtrl.1", "IClassFactory", nullptr)),
             0x80004003u);
    QCOMPARE(DllGetClassObject("KORU16.KoruTextCtrl.1", "IClassFactory", &object), 0);
    QVERIFY(object);
    auto* factory = static_cast<KoruClassFactory*>(object);
    QWidget* w = nullptr;
    QCOMPARE(factory->createInstance(nullptr, "KoruText1", nullptr, 0, &w), 0);
    QVERIFY(w);
    QCOMPARE(w->property("Text").toString(), QStringLiteral("KoruText1"));
    QCOMPARE(DllCanUnloadNow(), 1);
    delete w;
    QCOMPARE(CKoruTextCtrl::instanceCount(), before);
    if (before == 0) QCOMPARE(DllCanUnloadNow(), 0);
}

void TestKoruRegistry::factoryFromStoredSet() {
    zel::koru::KoruPropertySet s;
    s.backColor = 0x0000FFFFu;
    s.text = "  ";
    s.borderStyle = 1;
    const auto bytes = s.write();
    QWidget host;
    QWidget* w = koruCreateControl(&host, "Panel3D1", bytes.data(), bytes.size());
    QVERIFY(w);
    QCOMPARE(w->parentWidget(), &host);
    QCOMPARE(w->objectName(), QStringLiteral("Panel3D1"));
    QCOMPARE(w->property("BackColor").toUInt(), 0x0000FFFFu);
    QCOMPARE(w->property("BorderStyle").toInt(), 1);
    QCOMPARE(w->property("Text").toString(), QStringLiteral("  "));
    // A corrupt set: no control.
    const unsigned char junk[] = {1, 0, 4, 0, 0xFF};
    QVERIFY(!koruCreateControl(&host, "Panel3D1", junk, sizeof junk));
}

QTEST_MAIN(TestKoruRegistry)
#include "tst_koru_registry.moc"
