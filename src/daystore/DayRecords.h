#pragma once

#include "daystore/RaceSlot.h"

#include "platform/FileSystem.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// Reads the day's race file into the slots in record order, at most 36 races, and each race's
// runners from its racecourse's runner file: RunnerInfo row i+1 from runner record
// (race − 1) × 18 + i for i below the registered runners. `onRunnerFile` is called once per
// race that has a runner file (the day load's progress bar).
// A record that holds no race (blank, or year "0000") takes no slot, so the filled slots are
// always the first ones and race list item i is slot i.
// A damaged line of the race file is skipped and told in `problems` (file and line).
void ReadRaceAndRunnerRecords(DayBook& book, const std::function<void()>& onRunnerFile = {},
                              std::vector<std::string>* problems = nullptr);

// Copies each payout record (at most 36) into the HrCopy of the first slot whose race has the
// same year, month-day, course and race number, marking PayoutConfirmed for data kinds 1 and 2.
// A damaged line is skipped and told in `problems`.
void ReadPayoutRecords(DayBook& book, std::vector<std::string>* problems = nullptr);

// Walks a file of fixed-length lines record by record. A line cut short or run into the next
// is skipped up to its line end, so every later line still reads in its place; a short last
// line without its line end reads blank-padded.
class LineRecordReader {
  public:
    LineRecordReader(const RecordFile& file, int recordLength);
    // The next record; nothing at the end of the file.
    std::optional<std::string> Next();
    // The 1-based numbers of the lines skipped so far.
    const std::vector<int64_t>& SkippedLines() const { return skipped_; }

  private:
    // The offset just after the first CR LF at or after `from`; the file's size when none.
    int64_t NextLineStart(int64_t from) const;

    const RecordFile& file_;
    int length_;
    int64_t offset_ = 0;
    int64_t line_ = 0;
    std::vector<int64_t> skipped_;
};

}  // namespace kagiroi
