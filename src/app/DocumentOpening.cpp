#include "app/DocumentOpening.h"

namespace kagiroi {

bool OpenOrTellWhere(Shell& shell, Ui& ui, const std::string& path, const std::string& what) {
    if (shell.OpenDocument(path)) return true;
    ui.Beep(BeepSound::Warning);
    ui.ShowMessage(what + "を開けませんでした。開くためのプログラムが見つかりません。\r\n" +
                   "ファイルの場所：" + path);
    return false;
}

}  // namespace kagiroi
