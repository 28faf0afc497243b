#include "datalink/BridgeServer.h"

#include "datalink/BridgeProtocol.h"
#include "datalink/JvResultCodes.h"

#include <algorithm>

namespace kagiroi {

using bridge::Op;
using bridge::Reader;
using bridge::Writer;

namespace {

// A batch goes on past records and file changes; anything else is for the caller to see first.
bool BatchGoesOn(int code) {
    return code > 0 || code == jv::kFileChanged || code == jv::kFileSkipped;
}

}  // namespace

std::string BridgeServer::ReadBatch(int32_t bufferSize, int32_t maxRecords) {
    Writer entries;
    int32_t count = 0;
    std::string record, fileName;
    int32_t limit = std::clamp(maxRecords, 1, bridge::kRecordsPerBatch);
    for (;;) {
        int code = link_.JVRead(record, bufferSize, fileName);
        entries.Int(code);
        if (code > 0) entries.Text(record).Text(fileName);
        ++count;
        bool full = count >= limit || entries.Payload().size() >= bridge::kBatchBytes;
        if (!BatchGoesOn(code) || full) break;
    }
    return Writer(Op::Read).Int(count).Raw(entries.Payload()).Payload();
}

std::optional<std::string> BridgeServer::Answer(std::string_view request) {
    Reader in(request);
    std::optional<Op> op = in.OpCode();
    if (!op) return std::nullopt;
    Writer out(*op);
    switch (*op) {
        case Op::Init: {
            auto id = in.Text();
            if (!id) return std::nullopt;
            out.Int(link_.JVInit(*id));
            break;
        }
        case Op::SetUIProperties:
            out.Int(link_.JVSetUIProperties());
            break;
        case Op::Open: {
            auto dataSpec = in.Text();
            auto from = in.Text();
            auto option = in.Int();
            if (!option) return std::nullopt;
            int reads = 0, downloads = 0;
            std::string stamp;
            int code = link_.JVOpen(*dataSpec, *from, *option, reads, downloads, stamp);
            out.Int(code).Int(reads).Int(downloads).Text(stamp);
            break;
        }
        case Op::RealTimeOpen: {
            auto dataSpec = in.Text();
            auto key = in.Text();
            if (!key) return std::nullopt;
            out.Int(link_.JVRTOpen(*dataSpec, *key));
            break;
        }
        case Op::Status:
            out.Int(link_.JVStatus());
            break;
        case Op::Read: {
            auto bufferSize = in.Int();
            auto maxRecords = in.Int();
            if (!maxRecords) return std::nullopt;
            return ReadBatch(*bufferSize, *maxRecords);
        }
        case Op::Cancel:
            out.Int(link_.JVCancel());
            break;
        case Op::Close:
            out.Int(link_.JVClose());
            break;
    }
    return out.Payload();
}

namespace {

bool ReadExactly(std::FILE* in, char* into, size_t size) {
    return std::fread(into, 1, size, in) == size;
}

}  // namespace

int ServeBridge(JvLink& link, std::FILE* in, std::FILE* out) {
    BridgeServer server(link);
    char header[4];
    std::string payload;
    while (ReadExactly(in, header, sizeof header)) {
        std::optional<uint32_t> length = bridge::FrameLength(header);
        if (!length) return 1;
        payload.resize(*length);
        if (!ReadExactly(in, payload.data(), payload.size())) return 1;
        std::optional<std::string> answer = server.Answer(payload);
        if (!answer) return 1;
        std::string frame = Writer::FrameOf(*answer);
        if (std::fwrite(frame.data(), 1, frame.size(), out) != frame.size() ||
            std::fflush(out) != 0)
            return 1;
    }
    return 0;
}

}  // namespace kagiroi
