// Whole-file reads and temporary files renamed into place, over POSIX calls.
#include "dataset/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zel {

std::string errnoText(int e) {
    switch (e) {
    case ENOENT:
        return "ファイルまたはフォルダーがありません。";
    case EACCES:
    case EPERM:
        return "アクセスが拒否されました。";
    case ENOSPC:
        return "ディスクの空き容量が足りません。";
    case EISDIR:
        return "フォルダーです。";
    case EROFS:
        return "読み取り専用のファイルシステムです。";
    case ENOTDIR:
        return "パスの途中がフォルダーではありません。";
    default:
        return "入出力エラーです（errno " + std::to_string(e) + "）。";
    }
}

Status readWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Status::ioError("「" + path + "」を開けません: " + errnoText(errno));
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return Status::ioError("「" + path + "」を開けません: " + errnoText(EISDIR));
    }
    bytes.clear();
    char buf[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            return Status::ioError("「" + path + "」を読み込めません: " + errnoText(e));
        }
        if (got == 0) break;
        bytes.append(buf, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return Status::ok();
}

TempFile::~TempFile() {
    if (!m_path.empty()) ::unlink(m_path.c_str());
}

Status TempFile::create(const std::string& target) {
        static std::atomic<unsigned> counter{0};
        int fd = -1;
        std::string path;
        for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
            path = target + ".zelconv-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
            fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                return Status::ioError("「" + target + "」を書き込めません: " + errnoText(errno));
        }
        if (fd < 0) return Status::ioError("「" + target + "」の一時ファイルを作れません。");
        m_path = path;
        ::close(fd);
        return Status::ok();
    }

Status TempFile::write(const std::string& target, std::string_view bytes) {
        if (Status s = create(target); !s) return s;
        const int fd = ::open(m_path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return Status::ioError("「" + target + "」を書き込めません: " + errnoText(errno));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (put < 0) {
                if (errno == EINTR) continue;
                const int e = errno;
                ::close(fd);
                return Status::ioError("「" + target + "」を書き込めません: " + errnoText(e));
            }
            done += static_cast<std::size_t>(put);
        }
        if (::fsync(fd) != 0 || ::close(fd) != 0)
            return Status::ioError("「" + target + "」を書き込めません: " + errnoText(errno));
        return Status::ok();
    }

Status TempFile::commit(const std::string& target) {
        if (::rename(m_path.c_str(), target.c_str()) != 0)
            return Status::ioError("「" + target + "」を書き込めません: " + errnoText(errno));
        m_path.clear();
        return Status::ok();
    }

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

} // namespace zel
