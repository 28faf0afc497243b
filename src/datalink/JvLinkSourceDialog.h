#pragma once

#include <optional>
#include <string>

namespace kagiroi {

// Lets the user choose where the data service's records come from: "demo" or a folder.
class JvLinkSourceDialog {
  public:
    virtual ~JvLinkSourceDialog() = default;
    // The chosen source, or nothing when the user cancels.
    virtual std::optional<std::string> ChooseSource(const std::string& current) = 0;
};

}  // namespace kagiroi
