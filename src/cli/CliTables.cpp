#include "cli/CliTables.h"

#include "platform/TextField.h"
#include "selection/BetColumns.h"

namespace kagiroi {

TextRows GridRows(const TextGrid& grid) {
    return grid.AllRows();
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
    TextRows rows{{"券種", "買い点数", "投票金額", "予想回収率", "期待回収率", "回収金額",
                   "合成ｵｯｽﾞ", "ﾄﾘｶﾞﾐ", "的中確率", "期待値1以上"}};
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const BetTotals& t = form.Bets().Totals(type);
        rows.push_back({BetTypeName(type), t.count.text, t.stake.text, t.rate.text,
                        t.expectedReturn.text, t.payback.text, t.synthetic.text, t.underStake.text,
                        t.hitChance.text, t.overlays.text});
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

TextRows ExpectedValueRows(const TMainForm& form) {
    TextRows rows{{"券種", "買い目", "オッズ", "的中率", "期待値", "ﾌｪｱｵｯｽﾞ"}};
    OrderChances chances = form.Race().SelectedChances();
    for (BetType type : {BetType::Trio, BetType::Trifecta}) {
        const TextGrid& table = form.Bets().Table(type);
        const BetColumns& c = ColumnsOf(type);
        for (int r = 1; r < table.RowCount(); ++r) {
            if (IsBlank(table.Cell(c.combination, r))) continue;
            TicketValueTexts value = TicketValue(type, table, r, chances);
            rows.push_back({BetTypeName(type), table.Cell(c.combination, r), table.Cell(c.odds, r),
                            value.chance, value.expectedValue, value.fairOdds});
        }
    }
    return rows;
}

bool IsTableName(const std::string& name) {
    for (const char* known :
         {"index", "marks", "trio", "trifecta", "results", "header", "totals", "ev"})
        if (name == known) return true;
    return false;
}

TextRows TableRows(const TMainForm& form, const std::string& name) {
    if (name == "index") return GridRows(form.RaceCard().StringGrid26);
    if (name == "marks") return GridRows(form.RaceCard().StringGrid7);
    if (name == "trio") return GridRows(form.Bets().Table(BetType::Trio));
    if (name == "trifecta") return GridRows(form.Bets().Table(BetType::Trifecta));
    if (name == "results") return ResultsRows(form);
    if (name == "header") return HeaderRows(form);
    if (name == "totals") return TotalsRows(form);
    if (name == "ev") return ExpectedValueRows(form);
    return {};
}

}  // namespace kagiroi
