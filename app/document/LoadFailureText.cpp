#include "LoadFailureText.h"

namespace {
const char* reason(logstore::LoadError why) {
  using logstore::LoadError;
  switch (why) {
    case LoadError::CannotOpen: return "ファイルが見つからないか、読み取れません。";
    case LoadError::TooShort: return "ファイルが短すぎます。ヘッダーが揃っていません。";
    case LoadError::TooLong: return "ファイルが大きすぎます。記録ﾃﾞｰﾀのファイルではありません。";
    case LoadError::BadCount: return "ヘッダーのサンプル数が数値ではありません。";
    case LoadError::CountTooLarge: return "ヘッダーのサンプル数が上限を超えています。";
    case LoadError::SizeMismatch: return "ファイルの大きさがヘッダーのサンプル数と合いません。";
    case LoadError::WriteFailed:
    case LoadError::None: break;
  }
  return "ファイルが壊れています。";
}
}  // namespace

std::string loadFailureText(const std::string& path, logstore::LoadError why) {
  return "記録ﾃﾞｰﾀ " + path + " を開けません。\n" + reason(why) + "\n表示中のﾃﾞｰﾀはそのままです。";
}

std::string saveFailureText(const std::string& path) {
  return path + " に記録条件を書き込めませんでした。\n変更は保存されていません。";
}
