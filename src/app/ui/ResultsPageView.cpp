#include "app/ui/ResultsPageView.h"

#include "analysis/ResultsPage.h"
#include "widgets/Fonts.h"
#include "widgets/TextConversion.h"

#include <QGridLayout>
#include <QGroupBox>

namespace kagiroi {

ResultsPageView::ResultsPageView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    auto blank = ResultsPageTexts(Payouts{});
    labels_.resize(blank.size());
    for (size_t g = 0; g < blank.size(); ++g) {
        auto* box = new QGroupBox(ToQString(blank[g].caption), this);
        auto* grid = new QGridLayout(box);
        for (int c = 0; c < 3; ++c)
            grid->addWidget(new QLabel(ToQString(PayoutRowHead(c)), box), 0, c);
        for (size_t e = 0; e < blank[g].rows.size(); ++e) {
            std::array<QLabel*, 3> row{};
            for (int c = 0; c < 3; ++c) {
                row[static_cast<size_t>(c)] = new QLabel(box);
                row[static_cast<size_t>(c)]->setFont(GridFont(13));
                grid->addWidget(row[static_cast<size_t>(c)], static_cast<int>(e) + 1, c);
            }
            labels_[g].push_back(row);
        }
        grid->setRowStretch(static_cast<int>(blank[g].rows.size()) + 1, 1);
        layout->addWidget(box, static_cast<int>(g / 4), static_cast<int>(g % 4));
    }
}

void ResultsPageView::Refresh(const TMainForm& form) {
    for (size_t g = 0; g < labels_.size() && g < form.RaceCard().ResultsPage.size(); ++g) {
        const auto& rows = form.RaceCard().ResultsPage[g].rows;
        for (size_t e = 0; e < labels_[g].size(); ++e) {
            PayoutRowTexts texts = e < rows.size() ? rows[e] : PayoutRowTexts{};
            labels_[g][e][0]->setText(ToQString(texts.result));
            labels_[g][e][1]->setText(ToQString(texts.popularity));
            labels_[g][e][2]->setText(ToQString(texts.payout));
        }
    }
}

}  // namespace kagiroi
