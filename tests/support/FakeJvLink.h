#pragma once

#include "datalink/JvLink.h"

#include <deque>
#include <string>
#include <vector>

namespace kagiroi::test {

// A data service that plays back what the test scripted: the results of the open calls, the
// status polls and the reads (records, file changes, codes), and records every call made. It
// keeps the component's rules: an open while open answers -202; a status, read or close with
// nothing open, -203.
class FakeJvLink : public JvLink {
  public:
    struct Read {
        int code;  // > 0: `record` is delivered and its length returned
        std::string record;
        std::string fileName;
    };

    int JVInit(const std::string& softwareId) override;
    int JVSetUIProperties() override;
    int JVOpen(const std::string& dataSpec, const std::string& fromDate, int option, int& readCount,
               int& downloadCount, std::string& lastFileTimestamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override;
    int JVRead(std::string& record, int bufferSize, std::string& fileName) override;
    int JVCancel() override;
    int JVClose() override;

    // Scripting.
    void QueueRecord(const std::string& record, const std::string& fileName = "FILE");
    void QueueCode(int code) { reads.push_back({code, "", ""}); }

    int initResult = 0;
    int setUiResult = 0;
    int openResult = 0;
    int openReadCount = 1;
    int openDownloadCount = 0;
    std::string openStamp = "20240106120000";
    int rtOpenResult = 0;
    std::deque<int> rtOpenResults;  // per call, before rtOpenResult applies
    std::deque<int> statusResults;  // when empty, JVStatus answers the download count
    std::deque<Read> reads;         // when empty, JVRead answers 0
    int closeResult = 0;
    bool open = false;  // a successful open until its close

    // What the program called, in order ("JVInit:sid", "JVOpen:dataSpec:from:option", ...).
    std::vector<std::string> calls;
    // How many calls begin with `prefix`.
    int CallCount(const std::string& prefix) const;
    int cancelled = 0;
    std::vector<int> bufferSizes;
};

}  // namespace kagiroi::test
