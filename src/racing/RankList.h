#pragma once

#include <string>
#include <vector>

namespace kagiroi {

// Key texts kept in ascending order, an entry equal to one already present not added; every
// popularity rank is a position in such a list, so ties break on the text after the value.
// Keys are fixed-width digits, blanks and points, for which byte order is the required order.
// Entries are gathered first and ordered once, on the first read.
class RankList {
  public:
    void Clear();
    void Add(std::string key);
    size_t Count() const;
    const std::string& At(size_t position) const;  // 0-based, ascending
    const std::vector<std::string>& Entries() const;

  private:
    void Settle() const;
    mutable std::vector<std::string> keys_;
    mutable bool settled_ = true;
};

}  // namespace kagiroi
