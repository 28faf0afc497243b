#include "datalink/DispatchJvLink.h"

#include "datalink/JvResultCodes.h"
#include "platform/Format.h"
#include "platform/Sjis.h"

namespace kagiroi {

namespace {

std::u16string Wide(const std::string& sjis) {
    return SjisToUtf16(sjis);
}

}  // namespace

DispatchJvLink::DispatchJvLink(std::unique_ptr<DispatchPort> port,
                               std::function<void(const std::string&)> report)
    : port_(std::move(port)), report_(std::move(report)) {}

std::optional<DispatchValue> DispatchJvLink::Invoke(const std::string& method,
                                                    std::vector<DispatchValue>& arguments) {
    auto found = ids_.find(method);
    if (found == ids_.end()) found = ids_.emplace(method, port_->IdOfName(method)).first;
    if (!found->second) return std::nullopt;
    return port_->Invoke(*found->second, arguments);
}

int DispatchJvLink::Call(const std::string& method, std::vector<DispatchValue>& arguments) {
    std::optional<DispatchValue> result = Invoke(method, arguments);
    if (!result || result->kind != DispatchKind::Int) return jv::kInternalError;
    return result->number;
}

int DispatchJvLink::JVInit(const std::string& softwareId) {
    std::vector<DispatchValue> arguments{DispatchValue::Text(Wide(softwareId))};
    return Call("JVInit", arguments);
}

int DispatchJvLink::JVSetUIProperties() {
    std::vector<DispatchValue> none;
    return Call("JVSetUIProperties", none);
}

int DispatchJvLink::JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                           int& readCount, int& downloadCount, std::string& lastFileTimestamp) {
    std::vector<DispatchValue> arguments{DispatchValue::TextRef({}),
                                         DispatchValue::IntRef(0),
                                         DispatchValue::IntRef(0),
                                         DispatchValue::Int(option),
                                         DispatchValue::Text(Wide(fromDate)),
                                         DispatchValue::Text(Wide(dataSpec))};
    int code = Call("JVOpen", arguments);
    readCount = arguments[2].number;
    downloadCount = arguments[1].number;
    lastFileTimestamp = Utf16ToSjis(arguments[0].text);
    return code;
}

int DispatchJvLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    std::vector<DispatchValue> arguments{DispatchValue::Text(Wide(key)),
                                         DispatchValue::Text(Wide(dataSpec))};
    return Call("JVRTOpen", arguments);
}

int DispatchJvLink::JVStatus() {
    std::vector<DispatchValue> none;
    return Call("JVStatus", none);
}

int DispatchJvLink::JVRead(std::string& record, int bufferSize, std::string& fileName) {
    std::vector<DispatchValue> arguments{
        DispatchValue::TextRef({}), DispatchValue::IntRef(bufferSize), DispatchValue::TextRef({})};
    int code = Call("JVRead", arguments);
    if (code <= 0) return code;
    record = Utf16ToSjis(arguments[2].text);
    fileName = Utf16ToSjis(arguments[0].text);
    // A character Shift_JIS cannot hold would come out as a '?' and shift every field after it:
    // the record is refused rather than stored wrong.
    if (SjisToUtf16(record) != arguments[2].text) {
        if (report_)
            report_(Format("JVReadのレコードにShift_JISで表せない文字があります（%s）",
                           fileName.c_str()));
        return jv::kBadFileContent;
    }
    // The record is kept as it came: its fields are read by position, and a short one reads
    // blanks where bytes are missing.
    if (static_cast<size_t>(code) != record.size() && report_)
        report_(Format("JVReadの結果 %d とレコードの長さ %d バイトが違います（%s）", code,
                       static_cast<int>(record.size()), fileName.c_str()));
    return code;
}

int DispatchJvLink::JVCancel() {
    std::vector<DispatchValue> none;
    return Invoke("JVCancel", none) ? jv::kOk : jv::kInternalError;
}

int DispatchJvLink::JVClose() {
    std::vector<DispatchValue> none;
    return Call("JVClose", none);
}

}  // namespace kagiroi
