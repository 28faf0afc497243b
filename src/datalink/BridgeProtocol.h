#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kagiroi::bridge {

// The calls a bridge serves, one byte each at the start of a request and of its answer.
enum class Op : uint8_t {
    Init = 1,
    SetUIProperties,
    Open,
    RealTimeOpen,
    Status,
    Read,  // answers a batch of reads
    Cancel,
    Close,
};

// A frame is its payload's length as 4 bytes (little-endian) and the payload. No payload of the
// protocol comes near this; a larger length means the stream is garbage.
inline constexpr uint32_t kMaxFrameBytes = 64u << 20;
// A read batch stops after this many records or bytes, whichever comes first.
inline constexpr int32_t kRecordsPerBatch = 256;
inline constexpr size_t kBatchBytes = 1u << 20;

// Builds a payload: a byte, 32-bit integers (little-endian), texts as a length and bytes.
class Writer {
  public:
    Writer() = default;
    explicit Writer(Op op) { bytes_ += static_cast<char>(op); }
    Writer& Int(int32_t value);
    Writer& Text(std::string_view text);
    // Bytes another writer built.
    Writer& Raw(std::string_view bytes);
    const std::string& Payload() const { return bytes_; }
    // A payload behind its length.
    static std::string FrameOf(std::string_view payload);

  private:
    std::string bytes_;
};

// Reads a payload back; every read fails once one has run past the end.
class Reader {
  public:
    explicit Reader(std::string_view payload) : rest_(payload) {}
    std::optional<Op> OpCode();
    std::optional<int32_t> Int();
    std::optional<std::string> Text();
    bool AtEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
};

// The data-service call an op stands for, as "JVRead".
const char* OpName(Op op);

// The payload length of a frame header; nullopt past kMaxFrameBytes.
std::optional<uint32_t> FrameLength(const char header[4]);

}  // namespace kagiroi::bridge
