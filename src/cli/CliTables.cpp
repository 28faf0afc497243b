#include "cli/CliTables.h"

namespace kagiroi {

TextRows GridRows(const TextGrid& grid) {
    TextRows rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.push_back(grid.Row(r));
    return rows;
}

TextRows HeaderRows(const TMainForm& form) {
    const RaceHeaderTexts& h = form.RaceCard().Header;
    return {{h.BashoLabel + h.RaceLabel + "R"},
            {h.Label1},
            {h.Label2},
            {h.Label3},
            {h.Label4},
            {h.Label6},
            {h.Label7}};
}

TextRows TotalsRows(const TMainForm& form) {
    TextRows rows{{"券種", "買い点数", "投票金額", "予想回収率", "回収金額"}};
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const BetTotals& t = form.Betting().Bets.Totals(type);
        rows.push_back(
            {BetTypeName(type), t.count.text, t.stake.text, t.rate.text, t.payback.text});
    }
    return rows;
}

TextRows ResultsRows(const TMainForm& form) {
    TextRows rows{{"券種", "結果", "人気", "配当"}};
    for (const auto& group : form.RaceCard().ResultsPage)
        for (const auto& row : group.rows)
            rows.push_back({group.caption, row.result, row.popularity, row.payout});
    return rows;
}

bool IsTableName(const std::string& name) {
    for (const char* known : {"index", "marks", "trio", "trifecta", "results", "header", "totals"})
        if (name == known) return true;
    return false;
}

TextRows TableRows(const TMainForm& form, const std::string& name) {
    if (name == "index") return GridRows(form.RaceCard().StringGrid26);
    if (name == "marks") return GridRows(form.RaceCard().StringGrid7);
    if (name == "trio") return GridRows(form.Betting().Bets.Table(BetType::Trio));
    if (name == "trifecta") return GridRows(form.Betting().Bets.Table(BetType::Trifecta));
    if (name == "results") return ResultsRows(form);
    if (name == "header") return HeaderRows(form);
    if (name == "totals") return TotalsRows(form);
    return {};
}

}  // namespace kagiroi
