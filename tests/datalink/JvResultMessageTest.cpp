#include "datalink/JvResultMessage.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(JvResultMessage, OpenMinusOneKeepsItsLeadingBlank) {
    EXPECT_TEXT_EQ(" 取得済みデータより最新のデータがありません。(-1)",
                   JvResultMessage("JVOpen", -1));
    EXPECT_TEXT_EQ(" 取得済みデータより最新のデータがありません。(-1)",
                   JvResultMessage("JVRTOpen", -1));
}

TEST(JvResultMessage, PositiveCountsAreWrittenIntoTheText) {
    EXPECT_TEXT_EQ("ダウンロード済みファイル数12(12)", JvResultMessage("JVStatus", 12));
    EXPECT_TEXT_EQ("バッファにセットしたデータのサイズ1272(1272)", JvResultMessage("JVRead", 1272));
    EXPECT_TEXT_EQ("バッファにセットしたデータのサイズ555(555)", JvResultMessage("JVGets", 555));
}

TEST(JvResultMessage, CodesWithoutAMessageGiveOnlyTheCode) {
    EXPECT_EQ("(-201)", JvResultMessage("JVClose", -201));
    EXPECT_EQ("(-999)", JvResultMessage("JVOpen", -999));
    EXPECT_EQ("(-3)", JvResultMessage("JVStatus", -3));
    EXPECT_EQ("(5)", JvResultMessage("JVOpen", 5));    // no positive texts for an open
    EXPECT_EQ("(0)", JvResultMessage("JVMVOpen", 0));  // an operation without a table
    EXPECT_EQ("(-101)", JvResultMessage("JVClose", -101));
}

TEST(JvResultMessage, ReadTable) {
    EXPECT_TEXT_EQ("ファイルダウンロード中(-3)", JvResultMessage("JVRead", -3));
    EXPECT_TEXT_EQ("全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)",
                   JvResultMessage("JVRead", 0));
    EXPECT_TEXT_EQ("ファイルが切り替わりました。(-1)", JvResultMessage("JVRead", -1));
    EXPECT_TEXT_EQ("ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)",
                   JvResultMessage("JVRead", -502));
    EXPECT_TEXT_EQ("ファイルが見つかりません。(-503)", JvResultMessage("JVGets", -503));
    EXPECT_EQ("(-2)", JvResultMessage("JVRead", -2));
}

TEST(JvResultMessage, SameCodeReadsDifferentlyPerOperation) {
    // The open table has a blank before が, the read and status tables none.
    EXPECT_TEXT_EQ("JVInit が行なわれていません。(-201)", JvResultMessage("JVOpen", -201));
    EXPECT_TEXT_EQ("JVInitが行なわれていません。(-201)", JvResultMessage("JVRead", -201));
    EXPECT_TEXT_EQ("JVInitが行なわれていません。(-201)", JvResultMessage("JVStatus", -201));
    EXPECT_TEXT_EQ("ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)",
                   JvResultMessage("JVStatus", -502));
    EXPECT_TEXT_EQ("sid が設定されていません。(-101)", JvResultMessage("JVInit", -101));
    EXPECT_TEXT_EQ("すでにサービスキーが登録されています。(-101)",
                   JvResultMessage("JVSetUIProperties", -101));
}

TEST(JvResultMessage, OpenTable) {
    EXPECT_TEXT_EQ("正常に実行されました。(0)", JvResultMessage("JVRTOpen", 0));
    EXPECT_TEXT_EQ("dataspec パラメータが不正です。(-111)", JvResultMessage("JVOpen", -111));
    EXPECT_TEXT_EQ("key パラメータが不正です。(-114)", JvResultMessage("JVRTOpen", -114));
    EXPECT_TEXT_EQ("JV- Link 内部エラーが発生しました。(-401)", JvResultMessage("JVOpen", -401));
    EXPECT_TEXT_EQ("サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。(-411)",
                   JvResultMessage("JVOpen", -411));
    EXPECT_TEXT_EQ("セットアップ処理においてＣＤ －ＲＯＭ が無効です。(-501)",
                   JvResultMessage("JVOpen", -501));
    EXPECT_TEXT_EQ("サーバーがメンテナンス中です。(-504)", JvResultMessage("JVRTOpen", -504));
    EXPECT_EQ("(-503)", JvResultMessage("JVOpen", -503));
}

TEST(JvResultMessage, InitSettingsAndCloseTables) {
    EXPECT_TEXT_EQ("正常に実行されました。(0)", JvResultMessage("JVInit", 0));
    EXPECT_TEXT_EQ("sid が不正（sid の１桁目がスペース）です。(-103)",
                   JvResultMessage("JVInit", -103));
    EXPECT_TEXT_EQ("sid が64byte 以上あります。(-102)", JvResultMessage("JVInit", -102));
    EXPECT_TEXT_EQ("パラメータが不正あるいはレジストリへの保存に失敗しました。(-100)",
                   JvResultMessage("JVSetSaveFlag", -100));
    EXPECT_TEXT_EQ("正常に実行されました。(0)", JvResultMessage("JVClose", 0));
    EXPECT_EQ("(-203)", JvResultMessage("JVInit", -203));
}

}  // namespace
}  // namespace kagiroi
