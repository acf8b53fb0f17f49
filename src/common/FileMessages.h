// The failures every reader and writer of the program's files reports, in the
// words the user knows them by.
#pragma once

namespace zel {

inline constexpr const char* kMsgMissing = "ファイルが見つかりません。";
inline constexpr const char* kMsgEof = "ファイルの終わり以降を読み込もうとしました。";
inline constexpr const char* kMsgType = "型が一致しません。";
inline constexpr const char* kMsgWrite = "ファイルを保存できませんでした。";

} // namespace zel
