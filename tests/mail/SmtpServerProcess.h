#pragma once

#include "platform/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Skips a test that needs the test SMTP server where none can run: the Windows suite runs
// under wine, which has neither Python nor the openssl command.
#ifdef _WIN32
#define SKIP_WHERE_NO_SMTP_SERVER_RUNS() GTEST_SKIP() << "no test SMTP server on Windows"
#else
#define SKIP_WHERE_NO_SMTP_SERVER_RUNS() static_cast<void>(0)
#endif

namespace kagiroi::test {

// One of the test SMTP servers (smtp_server.py) running as a child process on a free
// loopback port, stopped when the object goes.
class SmtpServerProcess {
  public:
    // `arguments` after the script's name, e.g. {"real", record, "--auth", "u", "p"}.
    explicit SmtpServerProcess(const std::vector<std::string>& arguments);
    ~SmtpServerProcess();
    SmtpServerProcess(const SmtpServerProcess&) = delete;
    SmtpServerProcess& operator=(const SmtpServerProcess&) = delete;

    // 0 when the server did not start.
    int Port() const { return port_; }

  private:
    long pid_ = -1;
    int port_ = 0;
};

// What a server wrote to its record file; empty when there is none.
std::string ReadServerRecord(const std::string& path);

// Mail settings that reach a test server on `port` at 127.0.0.1 without encryption, as user
// "user1" with password "pw", from me@example.jp to phone@example.jp.
void StoreTestMailSettings(SettingsFile& settings, int port);

// A self-signed certificate for "localhost" with its key, made with openssl in `folder`.
// False when openssl failed.
bool MakeTestCertificate(const std::string& folder);

}  // namespace kagiroi::test
