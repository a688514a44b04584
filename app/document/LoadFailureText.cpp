#include "LoadFailureText.h"

namespace {
const char* reason(logstore::LoadError why) {
  using logstore::LoadError;
  switch (why) {
    case LoadError::CannotOpen: return "ﾌｧｲﾙが見つからないか、読み取れません。";
    case LoadError::TooShort: return "ﾌｧｲﾙが短すぎます。ﾍｯﾀﾞｰが揃っていません。";
    case LoadError::TooLong: return "ﾌｧｲﾙが大きすぎます。記録ﾃﾞｰﾀのﾌｧｲﾙではありません。";
    case LoadError::BadCount: return "ﾍｯﾀﾞｰのｻﾝﾌﾟﾙ数が数値ではありません。";
    case LoadError::CountTooLarge: return "ﾍｯﾀﾞｰのｻﾝﾌﾟﾙ数が上限を超えています。";
    case LoadError::SizeMismatch: return "ﾌｧｲﾙの大きさがﾍｯﾀﾞｰのｻﾝﾌﾟﾙ数と合いません。";
    case LoadError::WriteFailed:
    case LoadError::None: break;
  }
  return "ﾌｧｲﾙが壊れています。";
}
}  // namespace

std::string loadFailureText(const std::string& path, logstore::LoadError why) {
  return "記録ﾃﾞｰﾀ " + path + " を開けません。\n" + reason(why) + "\n表示中のﾃﾞｰﾀはそのままです。";
}

std::string startupLoadFailureText(const std::string& path, logstore::LoadError why) {
  return "記録ﾃﾞｰﾀ " + path + " を開けません。\n" + reason(why) + "\nﾌﾟﾛｸﾞﾗﾑを終了します。";
}

std::string saveFailureText(const std::string& path) {
  return path + " に記録条件を書き込めませんでした。\n変更は保存されていません。";
}
