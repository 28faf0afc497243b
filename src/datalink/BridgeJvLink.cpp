#include "datalink/BridgeJvLink.h"

#include "datalink/BridgeProtocol.h"
#include "datalink/JvResultCodes.h"
#include "platform/Format.h"

namespace kagiroi {

using bridge::Op;
using bridge::Reader;
using bridge::Writer;

namespace {

std::string BridgeFailureText(BridgeFailure failure, Op op, int timeoutMs) {
    const char* call = bridge::OpName(op);
    switch (failure) {
        case BridgeFailure::NotStarted:
            return Format("JV-Linkブリッジを起動できません（%s）", call);
        case BridgeFailure::Ended:
            return Format("JV-Linkブリッジが終了しました（%s）", call);
        case BridgeFailure::Silent:
            return Format("JV-Linkブリッジが%d秒応答しません（%s）", timeoutMs / 1000, call);
        default:
            return Format("JV-Linkブリッジの応答が読めません（%s）", call);
    }
}

}  // namespace

BridgeJvLink::BridgeJvLink(std::unique_ptr<BridgeTransport> transport,
                           std::function<void(const std::string&)> report, BridgeTimeouts timeouts)
    : transport_(std::move(transport)), report_(std::move(report)), timeouts_(timeouts) {}

std::optional<std::string> BridgeJvLink::Send(const std::string& request, int timeoutMs) {
    BridgeFailure failure = BridgeFailure::None;
    std::optional<std::string> answer = transport_->Exchange(request, timeoutMs, failure);
    if (answer) {
        // An answer starts with the op it answers.
        if (!answer->empty() && answer->front() == request.front()) return answer->erase(0, 1);
        failure = BridgeFailure::Garbled;
    }
    Fail(BridgeFailureText(failure, static_cast<Op>(request.front()), timeoutMs));
    return std::nullopt;
}

std::optional<std::string> BridgeJvLink::Exchange(const std::string& request, int timeoutMs) {
    failure_.clear();
    if (request.front() == char(Op::Open) || request.front() == char(Op::RealTimeOpen))
        bridgeLost_ = false;
    // A new bridge has a component that was never initialised: give it the last JVInit.
    bool replay = transport_->Fresh() && !softwareId_.empty() && request.front() != char(Op::Init);
    if (replay) {
        std::optional<std::string> init =
            Send(Writer(Op::Init).Text(softwareId_).Payload(), timeoutMs);
        if (!init) return std::nullopt;
    }
    return Send(request, timeoutMs);
}

void BridgeJvLink::Fail(const std::string& text) {
    batch_.clear();
    bridgeLost_ = true;
    failure_ = text;
    if (report_) report_(text);
}

int BridgeJvLink::Garbled(const std::string& request) {
    Fail(BridgeFailureText(BridgeFailure::Garbled, static_cast<Op>(request.front()), 0));
    return jv::kInternalError;
}

int BridgeJvLink::CodeOf(const std::string& request, int timeoutMs) {
    std::optional<std::string> answer = Exchange(request, timeoutMs);
    if (!answer) return jv::kInternalError;
    Reader in(*answer);
    std::optional<int32_t> code = in.Int();
    if (!code || !in.AtEnd()) return Garbled(request);
    return *code;
}

int BridgeJvLink::JVInit(const std::string& softwareId) {
    int code = CodeOf(Writer(Op::Init).Text(softwareId).Payload(), timeouts_.callMs);
    if (code == jv::kOk) softwareId_ = softwareId;
    return code;
}

int BridgeJvLink::JVSetUIProperties() {
    return CodeOf(Writer(Op::SetUIProperties).Payload(), timeouts_.dialogMs);
}

int BridgeJvLink::JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                         int& readCount, int& downloadCount, std::string& lastFileTimestamp) {
    batch_.clear();
    readCount = downloadCount = 0;
    std::string request = Writer(Op::Open).Text(dataSpec).Text(fromDate).Int(option).Payload();
    std::optional<std::string> answer = Exchange(request, timeouts_.openMs);
    if (!answer) return jv::kInternalError;
    Reader in(*answer);
    auto code = in.Int();
    auto reads = in.Int();
    auto downloads = in.Int();
    auto stamp = in.Text();
    if (!stamp || !in.AtEnd()) return Garbled(request);
    readCount = *reads;
    downloadCount = *downloads;
    lastFileTimestamp = *stamp;
    return *code;
}

int BridgeJvLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    batch_.clear();
    return CodeOf(Writer(Op::RealTimeOpen).Text(dataSpec).Text(key).Payload(), timeouts_.openMs);
}

int BridgeJvLink::JVStatus() {
    return CodeOf(Writer(Op::Status).Payload(), timeouts_.callMs);
}

int BridgeJvLink::FetchBatch(int bufferSize) {
    std::string request = Writer(Op::Read).Int(bufferSize).Int(bridge::kRecordsPerBatch).Payload();
    std::optional<std::string> answer = Exchange(request, timeouts_.callMs);
    if (!answer) return jv::kInternalError;
    Reader in(*answer);
    std::optional<int32_t> count = in.Int();
    if (!count || *count < 1 || *count > bridge::kRecordsPerBatch) return Garbled(request);
    for (int32_t i = 0; i < *count; ++i) {
        std::optional<int32_t> code = in.Int();
        if (!code) return Garbled(request);
        Read read{*code, {}, {}};
        if (*code > 0) {
            auto record = in.Text();
            auto fileName = in.Text();
            if (!fileName) return Garbled(request);
            read.record = std::move(*record);
            read.fileName = std::move(*fileName);
        }
        batch_.push_back(std::move(read));
    }
    if (!in.AtEnd()) return Garbled(request);
    return jv::kOk;
}

int BridgeJvLink::JVRead(std::string& record, int bufferSize, std::string& fileName) {
    if (batch_.empty()) {
        int code = FetchBatch(bufferSize);
        if (code != jv::kOk) return code;
    }
    Read read = std::move(batch_.front());
    batch_.pop_front();
    if (read.code > 0) {
        record = std::move(read.record);
        fileName = std::move(read.fileName);
    }
    return read.code;
}

int BridgeJvLink::JVCancel() {
    batch_.clear();
    return CodeOf(Writer(Op::Cancel).Payload(), timeouts_.callMs);
}

int BridgeJvLink::JVClose() {
    batch_.clear();
    // What was open ended with the bridge that held it: starting a new bridge only to hear
    // that nothing is open there would report a second, false fault.
    if (bridgeLost_ && transport_->Fresh()) {
        bridgeLost_ = false;
        return jv::kOk;
    }
    return CodeOf(Writer(Op::Close).Payload(), timeouts_.callMs);
}

}  // namespace kagiroi
