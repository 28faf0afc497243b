#include "racing/RankList.h"

#include <algorithm>

namespace kagiroi {

void RankList::Clear() {
    keys_.clear();
    settled_ = true;
}

void RankList::Add(std::string key) {
    keys_.push_back(std::move(key));
    settled_ = false;
}

void RankList::Settle() const {
    if (settled_) return;
    std::sort(keys_.begin(), keys_.end());
    keys_.erase(std::unique(keys_.begin(), keys_.end()), keys_.end());
    settled_ = true;
}

size_t RankList::Count() const {
    Settle();
    return keys_.size();
}

const std::string& RankList::At(size_t position) const {
    Settle();
    return keys_.at(position);
}

const std::vector<std::string>& RankList::Entries() const {
    Settle();
    return keys_;
}

}  // namespace kagiroi
