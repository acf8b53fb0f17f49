// The INI-file settings store.
#include "windowkit/QSettingsStore.h"

#include <QDir>
#include <QSettings>

namespace zel {

namespace {
QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
} // namespace

QString QSettingsStore::defaultPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/ZEL/ZEL.ini");
}

QSettingsStore::QSettingsStore() : QSettingsStore(defaultPath()) {}

QSettingsStore::QSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::path() const {
    return m_settings->fileName();
}

std::string QSettingsStore::read(const std::string& section, const std::string& key,
                                 const std::string& defaultText) const {
    const QVariant v = m_settings->value(keyPath(section, key));
    if (!v.isValid()) return defaultText;
    // A value QSettings reads as a list (an unquoted comma) is joined back.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
    return v.toString().toStdString();
}

void QSettingsStore::write(const std::string& section, const std::string& key, const std::string& text) {
    m_settings->setValue(keyPath(section, key), QString::fromStdString(text));
    m_settings->sync();
}

void QSettingsStore::deleteSection(const std::string& section) {
    // QSettings takes an empty group for "everything": there is no such section.
    if (section.empty()) return;
    m_settings->remove(QString::fromStdString(section));
    m_settings->sync();
}

bool QSettingsStore::contains(const std::string& section, const std::string& key) const {
    return m_settings->contains(keyPath(section, key));
}

} // namespace zel
