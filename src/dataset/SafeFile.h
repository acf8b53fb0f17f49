// Reading a whole file and writing one safely: a new file is written beside its
// target under a fresh name and renamed into place, so that a failure leaves no
// partial file and any file already there as it was. Messages are Japanese.
#pragma once

#include "common/Status.h"

#include <string>
#include <string_view>

namespace zel {

// The Japanese text of an errno value ("アクセスが拒否されました。").
std::string errnoText(int e);

// Reads the whole file at path into bytes.
Status readWholeFile(const std::string& path, std::string& bytes);

bool isDirectory(const std::string& path);

// A file written beside its target under a fresh name, renamed into place by
// commit() or removed when it goes out of scope uncommitted.
class TempFile {
  public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();

    const std::string& path() const { return m_path; }

    // Creates the file, empty, for a writer that opens it by name.
    Status create(const std::string& target);
    // Creates the file and writes bytes to it, flushed to the disk.
    Status write(const std::string& target, std::string_view bytes);
    // Renames the file to target.
    Status commit(const std::string& target);

  private:
    std::string m_path;
};

} // namespace zel
