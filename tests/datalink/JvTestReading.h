#pragma once

#include "datalink/JvLink.h"

#include <string>
#include <vector>

namespace kagiroi::test {

// What a JVRead loop saw, read as the program's loops read: on after -1 and -3, to 0 or an
// error.
struct JvReading {
    struct Item {
        int file = 0;  // files changed before it
        std::string fileName;
        std::string record;
    };
    std::vector<Item> records;
    int fileChanges = 0;
    int downloadingAnswers = 0;
    int lastCode = 0;  // 0 at the end, else the error that stopped the loop

    std::vector<std::string> OfKind(const std::string& kind) const;
};

JvReading ReadToEnd(JvLink& link, int maxCalls = 10000000);

// A stored-data download as the download dialog runs it: open, poll JVStatus up to the
// download count, read to the end, close.
struct JvDownload {
    int openCode = 0;
    int readCount = 0;
    int downloadCount = 0;
    std::string newestStamp;
    std::vector<int> statusSeen;
    JvReading reading;
};

JvDownload Download(JvLink& link, const std::string& fromDate, int option = 1,
                    const std::string& dataSpec = "RACEDIFFHOSESNAP");

// A real-time request: open, read to the end, close. openCode non-zero: nothing read.
struct JvRealTime {
    int openCode = 0;
    JvReading reading;
};

JvRealTime RealTime(JvLink& link, const std::string& dataSpec, const std::string& key);

}  // namespace kagiroi::test
