#include "cli/CliFixture.h"

#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <filesystem>

namespace kagiroi::test {

namespace {

MainFormPorts PortsOf(InProcessForm& f) {
    return {f.ui, f.clock, f.clipboard, f.shell, f.registry};
}

// The folder of the one shared download; it goes when the test program ends.
const std::string& DownloadedFolder() {
    static TempFolder folder;
    static bool downloaded = [] {
        CliRun run = RunKagiroiCli({"download", "--final-odds"},
                                   {folder.Path(), kCliNow, folder / "installer-records.ini"});
        EXPECT_EQ(0, run.status) << run.err;
        return true;
    }();
    (void)downloaded;
    return folder.Path();
}

}  // namespace

InProcessForm::InProcessForm(const std::string& folder) : form(folder, PortsOf(*this), jvLink) {
    std::string error;
    EXPECT_TRUE(form.FormCreate(&error)) << error;
}

std::string IsoDay(const std::string& dayText) {
    std::string date = DateOfDayText(dayText).value_or("????????");
    return date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
}

void InProcessForm::LoadDay(const std::string& day) {
    for (size_t i = 0; i < form.DayList().DateList.size(); ++i) {
        if (IsoDay(form.DayList().DateList[i]) != day) continue;
        form.DateListChange(static_cast<int>(i));
        return;
    }
    ADD_FAILURE() << "the date list has no " << day;
}

CliRun CliTest::Run(const std::vector<std::string>& args) const {
    return RunKagiroiCli(args, Environment());
}

void CliTest::UseDownloadedDays(const std::string& folder) {
    std::filesystem::copy(DownloadedFolder(), folder,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

}  // namespace kagiroi::test
