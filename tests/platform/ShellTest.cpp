#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>

namespace kagiroi {
namespace {

// An opener that fails (xdg-open with no program for the document) is told as a failure; one
// that ends well, or keeps running past the wait (a viewer it waits for), as opened.
TEST(SystemShell, AFailingOpenerIsAFailedOpen) {
    test::TempFolder folder;
    const std::string document = folder / "Kagiroi.pdf";
    ASSERT_TRUE(WriteFileAtomic(document, "%PDF"));
    const struct {
        const char* script;
        bool opened;
    } cases[] = {{"exit 3", false}, {"exit 0", true}, {"exec sleep 5", true}};
    for (const auto& c : cases) {
        const std::string opener = folder / "opener.sh";
        ASSERT_TRUE(WriteFileAtomic(opener, std::string("#!/bin/sh\n") + c.script + "\n"));
        ASSERT_EQ(0, ::chmod(opener.c_str(), 0700));
        EXPECT_EQ(c.opened, SystemShell(opener).OpenDocument(document)) << c.script;
    }
    EXPECT_FALSE(SystemShell(folder / "opener.sh").OpenDocument(folder / "missing.pdf"));
}

}  // namespace
}  // namespace kagiroi
#endif
