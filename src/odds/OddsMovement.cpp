#include "odds/OddsMovement.h"

#include "analysis/RunnerIndices.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordFields.h"
#include "odds/AnnouncementFile.h"
#include "odds/OddsImport.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/DateTime.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/FrameColours.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

namespace {

OddsMovement::Announcement ReadAnnouncement(const std::string& o1, int runners) {
    OddsMovement::Announcement row;
    row.minutes = AnnouncementMinutes(o1);
    row.winOdds.fill(kBlankOdds);
    for (int h = 1; h <= runners; ++h)
        row.winOdds[static_cast<size_t>(h)] = WinOddsOf(o1, h).odds;
    return row;
}

}  // namespace

OddsMovement ReadOddsMovement(const RaceSlot& slot, const std::string& folder) {
    OddsMovement movement;
    if (slot.IsEmpty()) return movement;
    movement.title = RaceListText(slot) + " 単勝オッズの推移";
    movement.runners = std::clamp(RegisteredRunners(slot), 0, kMaxRunners);
    for (int k = 1; k <= kMaxRunners; ++k) {
        const std::string& runner = slot.RunnerInfo[static_cast<size_t>(k)];
        int horse = NumberAt(runner, SE::Horse);
        if (horse >= 1 && horse <= kMaxRunners)
            movement.frames[static_cast<size_t>(horse)] = NumberAt(runner, SE::Frame);
    }
    if (!IsBlank(slot.FetchTimes[0])) movement.fetchMinutes = MinutesOfDay(slot.FetchTimes[0]);

    auto path = TimeSeriesFile(folder, slot.RaceInfo, OddsKind::O1);
    if (!path) return movement;
    AnnouncementFile file =
        AnnouncementFile::Read(*path, OddsKind::O1, FieldAt(slot.RaceInfo, RaceHead::RaceKey));
    if (file.Status() == ReadStatus::Failed)
        movement.problems.push_back(
            DescribeFailure(*path + " を読み込めません", file.Error()).logged);
    if (file.Skipped() > 0) movement.problems.push_back(SkippedLinesText(*path, file.Skipped()));
    for (size_t i = 0; i < file.Count(); ++i) {
        std::string line(file.Line(i));
        if (AnnouncedOnRaceDay(line))
            movement.announcements.push_back(ReadAnnouncement(line, movement.runners));
    }
    auto& rows = movement.announcements;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.minutes < b.minutes; });
    rows.erase(std::unique(rows.begin(), rows.end(),
                           [](const auto& a, const auto& b) { return a.minutes == b.minutes; }),
               rows.end());
    return movement;
}

std::string ClockText(int minutes) {
    return Format("%02d:%02d", minutes / 60, minutes % 60);
}

std::vector<std::vector<std::string>> OddsMovementRows(const OddsMovement& movement) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{"発表"};
    for (int h = 1; h <= movement.runners; ++h)
        header.push_back(Format("%d", h));
    rows.push_back(std::move(header));
    for (const auto& announcement : movement.announcements) {
        std::vector<std::string> row{ClockText(announcement.minutes)};
        for (int h = 1; h <= movement.runners; ++h) {
            double odds = announcement.winOdds[static_cast<size_t>(h)];
            row.push_back(odds == kCancelledOdds ? "取消" : odds > 0 ? Format("%.1f", odds) : "");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

// 1, 2, 5, 10, 20, 50, ... : the round odds a log axis is marked at.
double RoundOddsAt(int step) {
    static constexpr double kMantissas[] = {1.0, 2.0, 5.0};
    return kMantissas[step % 3] * std::pow(10.0, step / 3);
}

}  // namespace

double OddsChartAxes::OddsPosition(double odds) const {
    odds = std::clamp(odds, lowOdds, highOdds);
    return std::log(odds / lowOdds) / std::log(highOdds / lowOdds);
}

double OddsChartAxes::MinutePosition(int minutes) const {
    return static_cast<double>(minutes - firstMinute) / (lastMinute - firstMinute);
}

OddsChartAxes ChartAxesFor(const OddsMovement& movement) {
    OddsChartAxes axes;
    double low = 0, high = 0;
    for (const auto& announcement : movement.announcements)
        for (int h = 1; h <= movement.runners; ++h) {
            double odds = announcement.winOdds[static_cast<size_t>(h)];
            if (odds <= 0) continue;
            low = low > 0 ? std::min(low, odds) : odds;
            high = std::max(high, odds);
        }
    if (low > 0) {
        // Odds start at 1.0: the lowest mark is 1, the highest the first round value above.
        int top = 0;
        while (RoundOddsAt(top) < high && top < 15)
            ++top;
        axes.highOdds = std::max(RoundOddsAt(top), 2.0);
        axes.lowOdds = 1.0;
        for (int step = 0; RoundOddsAt(step) <= axes.highOdds; ++step)
            axes.oddsTicks.push_back(RoundOddsAt(step));
    } else {
        axes.oddsTicks = {1.0, 2.0, 5.0, 10.0};
    }

    std::vector<int> times;
    for (const auto& announcement : movement.announcements)
        times.push_back(announcement.minutes);
    if (movement.fetchMinutes >= 0) times.push_back(movement.fetchMinutes);
    if (!times.empty()) {
        axes.firstMinute = *std::min_element(times.begin(), times.end());
        axes.lastMinute = *std::max_element(times.begin(), times.end());
        // A lone time stands in the middle of an hour, not on the chart's left edge.
        if (axes.lastMinute == axes.firstMinute) {
            axes.firstMinute -= 30;
            axes.lastMinute += 30;
        }
    }
    int span = axes.lastMinute - axes.firstMinute;
    int step = span <= 60 ? 10 : span <= 180 ? 30 : span <= 480 ? 60 : 120;
    for (int t = (axes.firstMinute + step - 1) / step * step; t <= axes.lastMinute; t += step)
        axes.minuteTicks.push_back(t);
    return axes;
}

Rgb HorseLineColour(const OddsMovement& movement, int horse) {
    if (horse < 1 || horse > kMaxRunners) return colors::kBlack;
    // Frame 1's white would vanish on the chart's white ground.
    const Rgb frame = FrameColour(movement.frames[static_cast<size_t>(horse)]);
    return frame == colors::kWhite ? colors::kBlack : frame;
}

std::string OddsChartEmptyText() {
    return "このレースの時系列オッズがありません。";
}

}  // namespace kagiroi
