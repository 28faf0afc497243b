#include "mail/SmtpServerProcess.h"

#include "mail/TMailSetForm.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kagiroi::test {

#ifdef _WIN32
SmtpServerProcess::SmtpServerProcess(const std::vector<std::string>&) {}

SmtpServerProcess::~SmtpServerProcess() = default;
#else
SmtpServerProcess::SmtpServerProcess(const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe(out) != 0) return;
    std::vector<std::string> all = {"/usr/bin/python3", "-W", "ignore",
                                    KAGIROI_TEST_SOURCES "/mail/smtp_server.py"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE* stream = fdopen(out[0], "r");
    if (!stream) return;
    // The server prints its port once it listens; a server that fails prints nothing.
    if (fscanf(stream, "PORT %d", &port_) != 1) port_ = 0;
    fclose(stream);
}

SmtpServerProcess::~SmtpServerProcess() {
    if (pid_ <= 0) return;
    kill(static_cast<pid_t>(pid_), SIGTERM);
    int status = 0;
    waitpid(static_cast<pid_t>(pid_), &status, 0);
}
#endif

std::string ReadServerRecord(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void StoreTestMailSettings(SettingsFile& settings, int port) {
    const std::pair<MailSetField, std::string> fields[] = {
        {MailSetField::MailTo, "phone@example.jp"},
        {MailSetField::MailFrom, "me@example.jp"},
        {MailSetField::SMTP, "127.0.0.1"},
        {MailSetField::UserID, "user1"},
        {MailSetField::Pass, "pw"},
        {MailSetField::SMTPPort, std::to_string(port)},
        {MailSetField::Security, "0"}};
    for (const auto& [field, text] : fields)
        WriteMailSetting(settings, field, text);
}

bool MakeTestCertificate(const std::string& folder) {
    const std::string command =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=localhost"
        " -addext subjectAltName=DNS:localhost -keyout '" +
        folder + "/key.pem' -out '" + folder + "/cert.pem' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

}  // namespace kagiroi::test
