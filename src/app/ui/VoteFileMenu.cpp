#include "app/ui/VoteFileMenu.h"

#include "widgets/TextConversion.h"

#include <QMenu>

namespace kagiroi {

void AddVoteFileItems(QMenu* menu, TMainForm& form, std::function<void()> done) {
    for (BetType type : kAllBetTypes)
        menu->addAction(ToQString(VoteMenuName(type)), menu, [&form, type, done] {
            form.Race().VoteFileMenuClick(type);
            if (done) done();
        });
}

}  // namespace kagiroi
