// The recovery file: the whole state of a dataset with unsaved changes, written
// while the program runs so that a crash or a kill loses at most the last few
// seconds of work. One file per running program, named after its process id, in
// the user's XDG state folder ($XDG_STATE_HOME/zel or ~/.local/state/zel).
//
// The file never leaves the machine that wrote it: texts are UTF-8 and numbers
// are kept in the host's byte order, so that the values come back bit for bit
// and the writing of the largest dataset stays a plain copy.
//
//   "ZELRECOVERY\n"  magic, then format version (u32, 1)
//   pid (i64), time written (i64, seconds since 1970-01-01 UTC)
//   base path, file name, drive, folder     (each: u32 length + bytes)
//   N (i32), K (i32), K names, N masks (i16), N labels
//   stored value count (u64, at most N*K), the values (f64, row-major)
#pragma once

#include "common/Status.h"
#include "dataset/Dataset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

struct RecoveryState {
    Dataset dataset;            // counts, names, masks, labels, values and where it lives
    std::int64_t pid = 0;       // the program that wrote it
    std::int64_t writtenAt = 0; // seconds since 1970-01-01 UTC
};

inline constexpr std::uint32_t kRecoveryFormatVersion = 1;

// The bytes of the recovery file for ds. The unsaved and save-in-place flags are
// not kept: a restored dataset is always unsaved and saved through the dialog.
std::string recoveryFileBytes(const Dataset& ds, std::int64_t pid, std::int64_t writtenAt);

// Reads the bytes back. Anything but a whole file of the format above (a wrong
// magic or version, a count beyond the dataset limits, a length past the end,
// a value that is no finite number, bytes left over) is refused with the byte
// position where the reading stopped.
Result<RecoveryState> readRecoveryBytes(std::string_view bytes);

// Writes the file atomically (a temporary file beside it, renamed into place).
Status writeRecoveryFile(const std::string& path, const Dataset& ds, std::int64_t pid,
                         std::int64_t writtenAt);
Result<RecoveryState> readRecoveryFile(const std::string& path);

// The folder of the recovery files: $XDG_STATE_HOME/zel when that is an
// absolute path, else $HOME/.local/state/zel; "" when neither is known.
// Either argument may be null (the variable is not set).
std::string recoveryFolder(const char* xdgStateHome, const char* home);

// "recovery-<pid>.zel", and the pid back from such a name (nothing for any
// other name).
std::string recoveryFileName(std::int64_t pid);
std::optional<std::int64_t> recoveryFilePid(std::string_view fileName);

// Whether the process pid runs now under the program name (Linux: its
// /proc/<pid>/comm). A process that has ended, or runs another program, is not.
bool isRunningProgram(std::int64_t pid, std::string_view programName);

} // namespace zel
