#pragma once

#include "datalink/JvLink.h"

#include <string>

namespace kagiroi {

// The component's known bad habits, put in front of a working JvLink on request:
//   "exit"      the process ends at the Nth JVRead (a bridge that dies mid-read)
//   "hang"      the Nth JVRead never returns (a read that stalls)
//   "garble"    the Nth JVRead writes garbage to standard output, then hangs (a broken pipe peer)
//   "hang-open" every JVOpen never returns (the service showing a notice dialog nobody sees)
//   "bad-text"  the Nth JVRead hands out a record with bytes that are not Shift_JIS
// An empty fault passes every call through.
class FaultyJvLink : public JvLink {
  public:
    FaultyJvLink(JvLink& inner, std::string fault, int atRead);

    int JVInit(const std::string& id) override { return inner_.JVInit(id); }
    int JVSetUIProperties() override { return inner_.JVSetUIProperties(); }
    int JVOpen(const std::string& dataSpec, const std::string& from, int option, int& reads,
               int& downloads, std::string& stamp) override;
    int JVRTOpen(const std::string& dataSpec, const std::string& key) override;
    int JVStatus() override { return inner_.JVStatus(); }
    int JVRead(std::string& record, int size, std::string& file) override;
    int JVCancel() override { return inner_.JVCancel(); }
    int JVClose() override { return inner_.JVClose(); }

  private:
    [[noreturn]] void Fail();

    JvLink& inner_;
    std::string fault_;
    int atRead_;
    int reads_ = 0;
};

}  // namespace kagiroi
