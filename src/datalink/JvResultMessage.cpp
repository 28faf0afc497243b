#include "datalink/JvResultMessage.h"

#include "datalink/JvLink.h"

#include <string_view>

namespace kagiroi {

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr CodeText kInitTexts[] = {
    {0, "正常に実行されました。"},
    {-101, "sid が設定されていません。"},
    {-102, "sid が64byte 以上あります。"},
    {-103, "sid が不正（sid の１桁目がスペース）です。"},
};

constexpr CodeText kSetUiTexts[] = {
    {0, "正常に実行されました。"},
    {-100, "パラメータが不正あるいはレジストリへの保存に失敗しました。"},
    {-101, "すでにサービスキーが登録されています。"},
};

constexpr CodeText kCloseTexts[] = {
    {0, "正常に実行されました。"},
};

constexpr CodeText kStatusTexts[] = {
    {0, "正常に実行されました。"},
    {-201, "JVInitが行なわれていません。"},
    {-203, "JVOpenが行なわれていません。"},
    {-502, "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）"},
};

constexpr CodeText kReadTexts[] = {
    {0, "全ファイルの読み込みが終了しました。（ＥＯＦ ）"},
    {-1, "ファイルが切り替わりました。"},
    {-3, "ファイルダウンロード中"},
    {-201, "JVInitが行なわれていません。"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
    {-203, "JVOpenが行なわれていません。"},
    {-402, "ダウンロードしたファイルサイズが異常です。"},
    {-403, "ダウンロードしたファイル内容が異常です。"},
    {-502, "ダウンロードに失敗しました。(通信エラーやディスクエラー)"},
    {-503, "ファイルが見つかりません。"},
};

constexpr CodeText kOpenTexts[] = {
    {0, "正常に実行されました。"},
    {-1, " 取得済みデータより最新のデータがありません。"},
    {-2, "セットアップダイアログでキャンセルが押されました。"},
    {-111, "dataspec パラメータが不正です。"},
    {-112, "fromdate パラメータが不正です。"},
    {-114, "key パラメータが不正です。"},
    {-115, "option パラメータが不正です。"},
    {-116, "dataspec とoption の組み合わせが不正です。"},
    {-201, "JVInit が行なわれていません。"},
    {-202, "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）"},
    {-211, "レジストリ内容が不正（レジストリ内容が不正に変更された）です。"},
    {-301, "認証エラーが発生しました。"},
    {-302, "サービスキーの有効期限切れです。"},
    {-303, "サービスキーが設定されていません。（サービスキーが空値）"},
    {-401, "JV- Link 内部エラーが発生しました。"},
    {-411, "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。"},
    {-412, "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。"},
    {-413, "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。"},
    {-421, "サーバーエラー（サーバーの応答が不正）が発生しました。"},
    {-431, "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。"},
    {-501, "セットアップ処理においてＣＤ －ＲＯＭ が無効です。"},
    {-504, "サーバーがメンテナンス中です。"},
};

template <size_t N>
std::string Lookup(const CodeText (&table)[N], int code) {
    for (const CodeText& entry : table)
        if (entry.code == code) return entry.text;
    return {};
}

std::string MessageOf(std::string_view operation, int code) {
    if (operation == "JVInit") return Lookup(kInitTexts, code);
    if (operation.starts_with("JVSet")) return Lookup(kSetUiTexts, code);
    if (operation == "JVClose") return Lookup(kCloseTexts, code);
    if (operation == "JVStatus") {
        if (code > 0) return "ダウンロード済みファイル数" + std::to_string(code);
        return Lookup(kStatusTexts, code);
    }
    if (operation == "JVRead" || operation == "JVGets") {
        if (code > 0) return "バッファにセットしたデータのサイズ" + std::to_string(code);
        return Lookup(kReadTexts, code);
    }
    if (operation == "JVOpen" || operation == "JVRTOpen") return Lookup(kOpenTexts, code);
    return {};
}

}  // namespace

std::string JvResultMessage(const std::string& operation, int code) {
    return MessageOf(operation, code) + "(" + std::to_string(code) + ")";
}

std::string JvFailureMessage(const JvLink& jvLink, const std::string& operation, int code) {
    std::string words = jvLink.FailureText();
    return words.empty() ? JvResultMessage(operation, code) : words;
}

}  // namespace kagiroi
