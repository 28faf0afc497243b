#pragma once

#include "platform/Ui.h"

class QPrinter;
class QWidget;

namespace kagiroi {

// The program's printer: the system's default at first, then as the printer setup left it, so
// a setup chosen from the main menu holds for the next print. Null when no printer is
// installed.
QPrinter* ProgramPrinter();

// The printer setup dialog (ﾌﾟﾘﾝﾀの設定); without a printer the message instead. True when
// the user confirmed a setting.
bool OpenPrinterSetup(Ui& ui, QWidget* parent);

}  // namespace kagiroi
