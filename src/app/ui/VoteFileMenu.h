#pragma once

#include "app/TMainForm.h"

#include <functional>

class QMenu;

namespace kagiroi {

// The eight bet types as items of `menu`; each writes the vote file of its type's table, then
// calls `done` so the window shows what changed.
void AddVoteFileItems(QMenu* menu, TMainForm& form, std::function<void()> done);

}  // namespace kagiroi
