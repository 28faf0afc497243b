#include "datalink/BridgeProtocol.h"

namespace kagiroi::bridge {

namespace {

void PutUint(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

uint32_t GetUint(const char* bytes) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

}  // namespace

Writer& Writer::Int(int32_t value) {
    PutUint(bytes_, static_cast<uint32_t>(value));
    return *this;
}

Writer& Writer::Text(std::string_view text) {
    PutUint(bytes_, static_cast<uint32_t>(text.size()));
    bytes_ += text;
    return *this;
}

Writer& Writer::Raw(std::string_view bytes) {
    bytes_ += bytes;
    return *this;
}

std::string Writer::FrameOf(std::string_view payload) {
    std::string frame;
    frame.reserve(payload.size() + 4);
    PutUint(frame, static_cast<uint32_t>(payload.size()));
    frame += payload;
    return frame;
}

std::optional<Op> Reader::OpCode() {
    if (rest_.empty()) return std::nullopt;
    auto code = static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    if (code < static_cast<uint8_t>(Op::Init) || code > static_cast<uint8_t>(Op::Close))
        return std::nullopt;
    return static_cast<Op>(code);
}

std::optional<int32_t> Reader::Int() {
    if (rest_.size() < 4) {
        rest_ = {};
        return std::nullopt;
    }
    auto value = static_cast<int32_t>(GetUint(rest_.data()));
    rest_.remove_prefix(4);
    return value;
}

std::optional<std::string> Reader::Text() {
    std::optional<int32_t> length = Int();
    if (!length || *length < 0 || static_cast<size_t>(*length) > rest_.size()) {
        rest_ = {};
        return std::nullopt;
    }
    std::string text(rest_.substr(0, static_cast<size_t>(*length)));
    rest_.remove_prefix(static_cast<size_t>(*length));
    return text;
}

const char* OpName(Op op) {
    static constexpr const char* kNames[] = {
        "JVInit", "JVSetUIProperties", "JVOpen", "JVRTOpen", "JVStatus",
        "JVRead", "JVCancel",          "JVClose"};
    return kNames[static_cast<uint8_t>(op) - 1];
}

std::optional<uint32_t> FrameLength(const char header[4]) {
    uint32_t length = GetUint(header);
    if (length == 0 || length > kMaxFrameBytes) return std::nullopt;
    return length;
}

}  // namespace kagiroi::bridge
