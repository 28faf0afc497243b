#pragma once

#include <string>

namespace kagiroi {

class JvLink;

// The Japanese text for a data-service result: the message of the operation's table followed by
// "(code)"; a code the table does not know gives "(code)" alone. Operations beginning with
// "JVSet" share the settings-dialog table, JVRead and JVGets share one, JVOpen and JVRTOpen
// share one.
std::string JvResultMessage(const std::string& operation, int code);

// The service's own words for the refused call when it has them (a folder that does not
// exist), else JvResultMessage.
std::string JvFailureMessage(const JvLink& jvLink, const std::string& operation, int code);

}  // namespace kagiroi
