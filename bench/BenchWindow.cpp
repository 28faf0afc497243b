#include "BenchWindow.h"

#include "BenchDay.h"

#include <stdexcept>

namespace kagiroi::bench {

BenchWindow::BenchWindow(const std::vector<std::string>& records) {
    WriteBenchDay(folder.Path(), records);
    form = std::make_unique<TMainForm>(
        folder.Path(), MainFormPorts{ui, clock, clipboard, shell, registry}, jvLink);
    std::string error;
    if (!form->FormCreate(&error)) throw std::runtime_error(error);
}

void BenchWindow::ChooseDay(const std::string& dayText) {
    const std::vector<std::string>& dates = form->DayList().DateList;
    for (size_t i = 0; i < dates.size(); ++i)
        if (dates[i] == dayText) form->DateListChange(static_cast<int>(i));
    if (form->DayList().RaceList.size() != kSlotCount)
        throw std::runtime_error("the bench day did not load 36 races");
}

}  // namespace kagiroi::bench
