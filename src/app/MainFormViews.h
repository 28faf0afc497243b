#pragma once

#include "analysis/Favourites.h"
#include "analysis/RaceHeader.h"
#include "analysis/RaceMarks.h"
#include "analysis/ResultsPage.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"
#include "selection/BetTables.h"
#include "session/RaceCardView.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// What the main window shows, grouped by the part of the window that paints it. Only the
// handlers of TMainForm and its parts change these; the window and the command line read them.

// A window timer: the core decides whether it runs and its interval; the window owns the real
// timer and calls the tick handler.
struct TimerState {
    bool enabled = false;
    int intervalMs = 0;
};

// The main window's normal (not maximised) frame position and size, and whether it is
// maximised.
struct WindowPlacement {
    int top = 10, left = 10, width = 900, height = 600;
    bool maximized = false;
};

// The borderless progress dialog shown while a day loads.
struct ProgressDialogState {
    bool visible = false;
    int maximum = 35;
    int position = 0;
    std::string line1, line2;
};

// The date box and the race list.
struct DayListView {
    std::vector<std::string> DateList;
    int DateIndex = -1;
    std::string DateText;  // the date box: the chosen day, empty when none
    std::vector<std::string> RaceList;
    // The chosen race: its slot, which is also its row in RaceList (the day's races fill the
    // slots from the first); -1 when none.
    int SelectedRace = -1;
};

// The status line, the clocks and what is visible.
struct StatusView {
    Label DownloadLabel;
    Label RemainingTimeLabel;
    Label ClockLabel;
    bool RaceListPanelVisible = true;
    bool RacePagesVisible = false;  // the race card, analysis and result pages
    ProgressDialogState Progress;
    bool AutoOddsChecked = false;
};

// The stake inputs and the ticket tab shown (the tables are the race session's).
struct BettingView {
    TicketTab ActiveTicketTab = TicketTab::Trio;  // PageControl2
    int RadioGroup1 = 1;                          // 0 均等, 1 比例
    std::string SaNumEditExC1;                    // 入力投票金額
};

struct MainFormTimers {
    TimerState ClockTimer{true, 500};
    TimerState CountdownTimer{true, 1000};
    TimerState AutoOddsTimer{false, 40000};
    TimerState ResultsTimer{false, 600000};
    TimerState ChangeTimer{false, 300000};
    TimerState DeliverTimer{false, 40000};  // 買い目を転送する
};

}  // namespace kagiroi
