#include "JvTestReading.h"

namespace kagiroi::test {

std::vector<std::string> JvReading::OfKind(const std::string& kind) const {
    std::vector<std::string> list;
    for (const Item& item : records)
        if (item.record.compare(0, 2, kind) == 0) list.push_back(item.record);
    return list;
}

JvReading ReadToEnd(JvLink& link, int maxCalls) {
    JvReading reading;
    for (int call = 0; call < maxCalls; ++call) {
        std::string record, fileName;
        int code = link.JVRead(record, 100000, fileName);
        if (code > 0) {
            reading.records.push_back({reading.fileChanges, fileName, record});
        } else if (code == -1) {
            ++reading.fileChanges;
        } else if (code == -3) {
            ++reading.downloadingAnswers;
        } else {
            reading.lastCode = code;
            return reading;
        }
    }
    reading.lastCode = 1;  // never ended
    return reading;
}

JvDownload Download(JvLink& link, const std::string& fromDate, int option,
                    const std::string& dataSpec) {
    JvDownload d;
    d.openCode =
        link.JVOpen(dataSpec, fromDate, option, d.readCount, d.downloadCount, d.newestStamp);
    if (d.openCode != 0) {
        link.JVClose();
        return d;
    }
    for (int poll = 0; poll < 100000; ++poll) {
        int fetched = link.JVStatus();
        d.statusSeen.push_back(fetched);
        if (fetched < 0 || fetched >= d.downloadCount) break;
    }
    d.reading = ReadToEnd(link);
    link.JVClose();
    return d;
}

JvRealTime RealTime(JvLink& link, const std::string& dataSpec, const std::string& key) {
    JvRealTime rt;
    rt.openCode = link.JVRTOpen(dataSpec, key);
    if (rt.openCode == 0) rt.reading = ReadToEnd(link);
    link.JVClose();
    return rt;
}

}  // namespace kagiroi::test
