#include "app/TMainForm.h"
#include "printing/RaceListPage.h"
#include "printing/TAllPrintForm.h"

#include <optional>

namespace kagiroi {

bool TMainForm::PrintRaceList() {
    std::optional<TPrevX> page = kagiroi::PrintRaceList(Book(), c_.dayList.DateText, c_.ports.ui);
    if (!page) return false;
    allPrint_->ShowPage(std::move(*page), RaceListDate(Book()));
    return true;
}

}  // namespace kagiroi
