#pragma once
// The messages device operations show, exactly as the user reads them.

namespace device {

inline constexpr const char* kTextCommFailed = "通信に失敗しました。";
inline constexpr const char* kTextSendFailed = "送信に失敗しました。";
inline constexpr const char* kTextDownloadFailed = "吸い上げに失敗しました。";
inline constexpr const char* kTextNoData = "ﾃﾞｰﾀはありません。";
inline constexpr const char* kTextFileOpenError = "ﾊﾞｲﾅﾘﾌｧｲﾙｵｰﾌﾟﾝｴﾗｰ！";
inline constexpr const char* kTextDownloadFinished = "記録吸い上げが終了しました。";
inline constexpr const char* kTextDownloading = "吸い上げ中";
inline constexpr const char* kTextCancelling = "吸い上げキャンセル中";

}  // namespace device
