#include "platform/SameFolder.h"

namespace kagiroi {

bool SameFolder(std::string a, std::string b) {
    for (std::string* path : {&a, &b})
        while (path->size() > 1 && (path->back() == '/' || path->back() == '\\'))
            path->pop_back();
    return a == b;
}

}  // namespace kagiroi
