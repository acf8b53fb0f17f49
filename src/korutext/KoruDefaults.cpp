// Reading and writing the hypertext label's defaults file on disk.
#include "korutext/KoruDefaults.h"

#include "korutext/CKoruTextCtrl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <optional>

namespace {

// A defaults file larger than this is not ours to read.
constexpr qint64 kMaxFileSize = 1 << 20;

// The file's text; an empty text for a missing file, nothing when it exists but
// cannot be read.
std::optional<std::string> readFileText(const QString& path) {
    QFile f(path);
    if (!f.exists()) return std::string();
    if (f.size() > kMaxFileSize || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = f.read(kMaxFileSize);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool writeDefaults(const zel::koru::KoruExchangeValues& values) {
    const QString path = koruDefaultsFilePath();
    const std::optional<std::string> old = readFileText(path);
    if (!old) return false; // never replace a file that could not be read
    zel::koru::KoruDefaultsFile file = zel::koru::KoruDefaultsFile::parse(*old);
    file.write(values);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const std::string text = file.text();
    if (out.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

QString koruDefaultsFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QString::fromLatin1(zel::koru::KoruDefaultsFile::kFileName.data(),
                               static_cast<qsizetype>(zel::koru::KoruDefaultsFile::kFileName.size()));
}

zel::koru::KoruDefaultValues koruReadDefaults() {
    const std::optional<std::string> text = readFileText(koruDefaultsFilePath());
    if (!text) return {};
    return zel::koru::KoruDefaultsFile::parse(*text).read();
}

bool koruWriteCurrentDefaults(const CKoruTextCtrl& control) {
    return writeDefaults(control.exchangeValues());
}

bool koruWriteBuiltInDefaults(const CKoruTextCtrl& control) {
    zel::koru::KoruExchangeValues builtIn;
    builtIn.text = control.hostName().toStdString();
    return writeDefaults(builtIn);
}
