// The pop-up caption on the KORU32 control, and the choice between it and the
// plain label.
#include "app/KoruPopupCaption.h"

#include "app/LabelPopupCaption.h"
#include "korutext/KoruPropertySet.h"
#include "korutext/KoruRegistration.h"

#include <QVariant>
#include <QWidget>

#include <dlfcn.h>

#include <map>
#include <string>

namespace {

using CreateControl = QWidget* (*)(QWidget*, const char*, const unsigned char*, std::size_t);

const char* const kCaptionName = "Panel3D1";

// Loads a library once per process (a failure is remembered too); the library
// stays loaded while the program runs, since its widgets live in it.
void* loadOnce(const std::string& path) {
    static std::map<std::string, void*> loaded;
    const auto it = loaded.find(path);
    if (it != loaded.end()) return it->second;
    void* handle = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    loaded.emplace(path, handle);
    return handle;
}

} // namespace

QByteArray KoruPopupCaption::captionPropertySet() {
    using namespace zel::koru;
    KoruPropertySet s;
    KoruFont font;
    font.face = "ＭＳ Ｐゴシック";
    font.points = 9.0f;
    s.font = font;
    s.borderStyle = 1;
    s.enabled = true;
    s.toolTip = "";
    s.backColor = 0x0000FFFFu; // red 255, green 255, blue 0
    s.foreColor = 0x00808000u; // red 0, green 128, blue 128
    s.autoSize = true;
    s.drawFocusRect = true;
    s.headingColor = kSystemWindowText;
    s.headingFont = font;
    s.hotspotColors = 0;
    s.jumpColor = kDefaultHotspotColour;
    s.jumpCursor = 0;
    s.popupColor = kDefaultHotspotColour;
    s.popupCursor = 0;
    s.normalCursor = 0;
    s.tabWidth = 8;
    s.text = "  ";
    s.wordWrap = false;
    const std::vector<std::uint8_t> bytes = s.write();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

std::unique_ptr<PopupCaption> KoruPopupCaption::create(QWidget* parent) {
    using zel::koru::KoruRegistration;
    const auto registry = KoruRegistration::load(KoruRegistration::defaultRegistryPath());
    if (!registry) return nullptr;
    const auto record = KoruRegistration::findControl(*registry);
    if (!record) return nullptr;
    void* library = loadOnce(record->library);
    if (!library) return nullptr;
    auto create = reinterpret_cast<CreateControl>(dlsym(library, record->factory.c_str()));
    if (!create) return nullptr;
    const QByteArray set = captionPropertySet();
    QWidget* control =
        create(parent, kCaptionName, reinterpret_cast<const unsigned char*>(set.constData()), set.size());
    if (!control) return nullptr;
    return std::make_unique<KoruPopupCaption>(control);
}

KoruPopupCaption::KoruPopupCaption(QWidget* control) : m_control(control) {
    m_control->setObjectName(QString::fromLatin1(kCaptionName));
    // The caption never takes the keyboard focus from the main window.
    m_control->setFocusPolicy(Qt::NoFocus);
    m_control->hide();
}

void KoruPopupCaption::setText(const QString& text) {
    if (m_control) m_control->setProperty("Text", text);
}

QString KoruPopupCaption::text() const {
    return m_control ? m_control->property("Text").toString() : QString();
}

void KoruPopupCaption::moveLeft(int x) {
    if (m_control) m_control->move(x, m_control->y());
}

void KoruPopupCaption::show() {
    if (!m_control) return;
    m_control->show();
    m_control->raise();
}

void KoruPopupCaption::hide() {
    if (m_control) m_control->hide();
}

bool KoruPopupCaption::isShown() const {
    return m_control && !m_control->isHidden();
}

QWidget* KoruPopupCaption::widget() {
    return m_control;
}

std::unique_ptr<PopupCaption> makePopupCaption(QWidget* parent) {
    if (auto koru = KoruPopupCaption::create(parent)) return koru;
    return std::make_unique<LabelPopupCaption>(parent);
}
