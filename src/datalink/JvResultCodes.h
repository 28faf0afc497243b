#pragma once

namespace kagiroi::jv {

// Result codes of the data service, named once for every caller and stand-in.
inline constexpr int kOk = 0;
inline constexpr int kAllRead = 0;       // JVRead: every file has been read
inline constexpr int kNoNewerData = -1;  // JVOpen, JVRTOpen
inline constexpr int kFileChanged = -1;  // JVRead: the next record starts a new file
inline constexpr int kFileSkipped = -2;  // JVRead: a file the service passes over
inline constexpr int kDownloading = -3;  // JVRead: files are still being fetched
inline constexpr int kSettingNotSaved = -100;
inline constexpr int kNoSid = -101;
inline constexpr int kSidTooLong = -102;
inline constexpr int kSidStartsWithBlank = -103;
inline constexpr int kBadDataSpec = -111;
inline constexpr int kBadFromDate = -112;
inline constexpr int kBadKey = -114;
inline constexpr int kBadOption = -115;
inline constexpr int kNotInitialised = -201;
inline constexpr int kStillOpen = -202;  // an open while a request is open
inline constexpr int kNotOpen = -203;    // a read or close with nothing open
inline constexpr int kInternalError = -401;
inline constexpr int kBadFileContent = -403;  // JVRead: what was downloaded cannot be read

// An empty newest stamp of an open reads as these zeros.
inline constexpr const char* kNoStamp = "00000000000000";

}  // namespace kagiroi::jv
