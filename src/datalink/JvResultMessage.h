#pragma once

#include <string>

namespace kagiroi {

// The Japanese text for a data-service result: the message of the operation's table followed by
// "(code)"; a code the table does not know gives "(code)" alone. Operations beginning with
// "JVSet" share the settings-dialog table, JVRead and JVGets share one, JVOpen and JVRTOpen
// share one.
std::string JvResultMessage(const std::string& operation, int code);

}  // namespace kagiroi
