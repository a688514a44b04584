#pragma once
// The texts of the port dialog and its detection, exactly as the user reads
// them; %d stands for a COM number.

namespace device {

inline constexpr const char* kTextPortConnected = "ﾎﾟｰﾄCOM%dに接続しました。";
inline constexpr const char* kTextDetectQuestion = "接続されたﾃﾙｶを検出します。\n検出には数秒から数分かかります。\nよろしいですか";
inline constexpr const char* kTextPortListStart = "また、ﾃﾙｶを接続可能なｼﾘｱﾙﾎﾟｰﾄは";
inline constexpr const char* kTextPortListItem = " COM%d";
inline constexpr const char* kTextLoggerFound = "ﾎﾟｰﾄCOM%dにﾃﾙｶを検出しました。\n\n[OK]ﾎﾞﾀﾝを押してください。\nﾎﾟｰﾄを設定しﾀﾞｲｱﾛｸﾞを閉じます。";
inline constexpr const char* kTextLoggerNotFound = "ﾃﾙｶを検出できませんでした。\n\nﾃﾙｶを接続しているのに検出されない場合は\n再度、検出を実行してみてください。";
inline constexpr const char* kTextPortListEnd = " です。";
inline constexpr const char* kTextNoPortList = "ありません。\n\nｼﾘｱﾙﾎﾟｰﾄを利用できるように設定してください。";
inline constexpr const char* kTextPortDialogTitle = "通信ﾎﾟｰﾄ設定";
inline constexpr const char* kTextPortGroup = "使用するｼﾘｱﾙﾎﾟｰﾄ";
inline constexpr const char* kTextCancelButton = "ｷｬﾝｾﾙ";
inline constexpr const char* kTextDetectButton = "自動検出開始";

}  // namespace device
