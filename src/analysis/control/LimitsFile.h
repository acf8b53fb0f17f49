// The limits file (".QCK" beside the dataset): the dataset's base path and the
// six control lines, seven lines in code page 932 ending in CR LF.
#pragma once

#include "analysis/control/ChartDataSet.h"
#include "common/Status.h"

#include <string>
#include <string_view>

namespace zel {

// The file's bytes: line 1 the base path (UTF-8 in, code page 932 out), then
// L(0,0), L(0,1), L(0,2), L(1,0), L(1,1), L(1,2) each as signed number text
// followed by one blank. A base path code page 932 cannot hold is refused, and
// so is a line that is not a finite number (kResultOutOfRange).
Result<std::string> limitsFileBytes(const std::string& basePath, const ControlLines& lines);
// Writes the file atomically (temporary file, then rename).
Status writeLimitsFile(const std::string& path, const std::string& basePath, const ControlLines& lines);

// Reads the six numbers (line 1 is skipped). Numbers are decimal text with
// surrounding blanks ignored; a missing file, a missing line or a text that is
// not a number fails with the Japanese description of the failure.
Result<ControlLines> parseLimitsFile(std::string_view bytes);
Result<ControlLines> readLimitsFile(const std::string& path);

} // namespace zel
