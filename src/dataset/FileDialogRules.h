// The rules the file dialogs follow that need no window: the file-list pattern
// from the two extension boxes, matching file names against it, the name a
// clicked file puts into the name field, the base path from folder and name,
// the drive of a folder, the sample-count check of the dimension dialog and the
// texts of the delete question and the save notice.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zel {

// "*.QCS", "*.QCN", "*.QCS;*.QCN" (both) or "*.*" (neither).
std::string filePattern(bool qcsChecked, bool qcnChecked);

// True when the name matches one of the pattern's parts (separated by ';').
// '*' stands for any run of characters, '?' for one character; letters match
// regardless of case, as the dataset extensions were always matched.
bool matchesPattern(std::string_view fileName, std::string_view pattern);

// The text a click on a file puts into the name field: when the fourth
// character from the end is '.', the last four characters are dropped.
// Characters, not bytes: the name is UTF-8.
std::string nameFromFileClick(std::string_view fileName);

// The name of a dataset without a typed ".QCS", ".QCN" or ".QCK" ending (any
// letter case): "lot.QCS" -> "lot". The three files take their endings from
// the base path, so a name that kept one would end up in "lot.QCS.QCN".
std::string datasetName(std::string_view name);

// folder + name when the folder ends in '/', otherwise folder + "/" + name.
std::string basePathFor(std::string_view folder, std::string_view name);

// How a typed file name stands: usable, empty (OK does nothing), ending in a
// folder separator (OK does nothing), or holding a separator elsewhere (refused:
// a name must not lead into another folder).
enum class NameCheck { Usable, Empty, EndsInSeparator, HasSeparator };
NameCheck checkFileName(std::string_view name);

// The stored two-character form of a drive: the first two characters of the
// path ("/h" for "/home/user").
std::string driveText(std::string_view path);

// The drive (one of the roots) that holds the folder: the longest root that is
// the folder itself or one of its ancestors. "" when none does.
std::string driveOfFolder(const std::vector<std::string>& roots, std::string_view folder);

// The root to select for a stored drive text: the one holding the folder when the
// folder is given, else the first root whose drive text is the stored one. ""
// when none fits.
std::string rootForDrive(const std::vector<std::string>& roots, std::string_view storedDrive,
                         std::string_view folder);

// The ancestors of a folder from the root down to the folder itself:
// "/home/u" -> "/", "/home", "/home/u".
std::vector<std::string> folderChain(std::string_view folder);

// The sample count typed into the dimension dialog.
enum class SampleCountCheck { Ok, TooFew, TooMany };
struct SampleCount {
    SampleCountCheck check = SampleCountCheck::TooFew;
    int samples = 0; // valid when check is Ok
};
// Lenient parse; below 2 is too few; rounded halves to even; above 32767 too many.
SampleCount checkSampleCount(std::string_view text);

// The name of variable j before the user edits it: the character whose code is
// 64 + j in code page 932 ("A" for 1). A code that stands for no character gives "".
std::string defaultVariableName(int j);

// The delete question: "以下のファイルを削除します。" CR, each path followed by CR,
// then "よろしいですか？". Empty when there is nothing to delete.
std::string deleteQuestion(const std::vector<std::string>& existingPaths);

// The notice after a save in place.
std::string savedInPlaceNotice(std::string_view basePath);

} // namespace zel
