#include "bridge/FaultyJvLink.h"

#include "platform/Clock.h"

#include <cstdio>
#include <cstdlib>

namespace kagiroi {

namespace {

[[noreturn]] void HangForever() {
    for (;;)
        SleepMilliseconds(1000);
}

}  // namespace

FaultyJvLink::FaultyJvLink(JvLink& inner, std::string fault, int atRead)
    : inner_(inner), fault_(std::move(fault)), atRead_(atRead) {}

int FaultyJvLink::JVOpen(const std::string& dataSpec, const std::string& from, int option,
                         int& reads, int& downloads, std::string& stamp) {
    if (fault_ == "hang-open") HangForever();
    return inner_.JVOpen(dataSpec, from, option, reads, downloads, stamp);
}

int FaultyJvLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    if (fault_ == "hang-open") HangForever();
    return inner_.JVRTOpen(dataSpec, key);
}

int FaultyJvLink::JVRead(std::string& record, int size, std::string& file) {
    bool faultHere = ++reads_ == atRead_ && !fault_.empty() && fault_ != "hang-open";
    if (!faultHere) return inner_.JVRead(record, size, file);
    if (fault_ != "bad-text") Fail();
    int code = inner_.JVRead(record, size, file);
    // 0x85 0x40 is a lead and trail byte pair that code page 932 leaves unassigned.
    if (code > 2) record.replace(2, 2, "\x85\x40");
    return code;
}

void FaultyJvLink::Fail() {
    if (fault_ == "exit") std::exit(3);
    if (fault_ == "garble") {
        std::fputs("\xFF\xFF\xFF\xFFgarbage", stdout);
        std::fflush(stdout);
    }
    HangForever();
}

}  // namespace kagiroi
