#pragma once

#include "platform/Color.h"
#include "records/Backtest.h"

#include <string>

namespace kagiroi {

// The chart of a backtest's running balance as a PNG file for kagiroi-cli, which draws no
// text: the frame, the zero line and one line per net in the window's colours (３連複 blue,
// ３連単 red); the figures themselves are in the backtest's table.
std::string BalanceChartPng(const BacktestResult& result, int width = 800, int height = 400);

// The colour of each net's line (kBacktestTypes order), the same in the window and the file.
Rgb BalanceLineColour(size_t net);

}  // namespace kagiroi
