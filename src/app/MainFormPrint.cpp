#include "app/TMainForm.h"
#include "printing/RaceListPage.h"

namespace kagiroi {

std::optional<TPrevX> TMainForm::PrintRaceList() const {
    return kagiroi::PrintRaceList(Book(), DateText, ports_.ui);
}

}  // namespace kagiroi
