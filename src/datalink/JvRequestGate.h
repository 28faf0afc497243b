#pragma once

namespace kagiroi {

// The data service serves one request at a time. Read loops let window events run, so a timer
// or a button can start a second command inside the first; it finds the gate taken and leaves
// the service alone instead of opening, reading or closing what the first one holds.
class JvRequestGate {
  public:
    bool Taken() const { return holder_ != nullptr; }
    // False when another command holds the service.
    bool Take(const void* holder) {
        if (holder_ != nullptr && holder_ != holder) return false;
        holder_ = holder;
        return true;
    }
    void Release(const void* holder) {
        if (holder_ == holder) holder_ = nullptr;
    }

  private:
    const void* holder_ = nullptr;
};

}  // namespace kagiroi
