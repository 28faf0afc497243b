#include "printing/RaceListPage.h"

#include "daystore/PayoutRecord.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {

constexpr int kFrameLeft = 100, kFrameTop = 150, kFrameRight = 2690, kFrameBottom = 1890;
constexpr int kNumberColumnRight = 200;
constexpr int kColumnLefts[] = {200, 1030, 1860};
constexpr int kRowHeight = 140;

PageFont PlainFont(int size) {
    PageFont font;
    font.name = "ＭＳ ゴシック";
    font.size = size;
    return font;
}

void DrawTitle(TPrevX& page, const RaceSlot& first) {
    PageFont title = PlainFont(14);
    title.bold = title.underline = true;
    page.SetFont(title);
    const std::string& ra = first.RaceInfo;
    page.TextOut(100, 90,
                 FieldAt(ra, RaceHead::Year) + "年" +
                     Format("%2d", ToInt(FieldAt(ra, RaceHead::Month))) + "月" +
                     Format("%2d", ToInt(FieldAt(ra, RaceHead::Day))) + "日 ");
}

void DrawGrid(TPrevX& page) {
    page.PenWidth(20);
    page.Rectangle(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    page.BrushColour(colors::kSilver);
    page.Rectangle(kFrameLeft, kFrameTop, kNumberColumnRight, kFrameBottom);
    page.BrushColour(colors::kWhite);
    page.PenWidth(5);
    for (int x : {1030, 1860, kNumberColumnRight}) {
        page.MoveTo(x, kFrameTop);
        page.LineTo(x, kFrameBottom);
    }
    page.SetFont(PlainFont(10));
    for (int j = 1; j <= kRacesPerCourse; ++j) {
        int y = 350 + kRowHeight * (j - 1);
        page.MoveTo(kFrameLeft, y);
        page.LineTo(kFrameRight, y);
        page.TextOut(120, kRowHeight * j + 80, Format("%2dR", j));
    }
}

void DrawBracketResult(TPrevX& page, const RaceSlot& slot, int x, int y) {
    PayoutEntry first = ReadPayoutEntry(slot.HrCopy, BetType::BracketQuinella, 0);
    if (first.combination.empty()) return;  // no 枠連 paid yet
    int bracket1 = ToInt(first.combination.substr(0, 2));
    int bracket2 = ToInt(first.combination.substr(3));
    page.TextOut(x + 2, y, Format(" %d", bracket1));
    page.TextOut(x + 52, y, "- ");
    page.TextOut(x + 102, y, Format("%d", bracket2));
    page.TextOut(x + 200, y, Format("%2d", first.popularity) + "人気");
    page.TextOut(x + 400, y, "区分:" + PopularityClass(first.popularity));
}

void DrawRace(TPrevX& page, const RaceSlot& slot, const std::vector<std::string>& courses) {
    const std::string& ra = slot.RaceInfo;
    int number = NumberAt(ra, RaceHead::RaceNumber);
    if (number <= 0) return;
    auto course = std::find(courses.begin(), courses.end(), FieldAt(ra, RaceHead::Course));
    if (course == courses.end()) return;
    int x = kColumnLefts[course - courses.begin()];
    int y = kRowHeight * number + 70;
    page.TextOut(x + 2, y + 2,
                 Format("%2d", RegisteredRunners(ra)) + "頭　" + FieldAt(ra, RA::ListName));
    DrawBracketResult(page, slot, x, y + 50);
}

bool HasRaces(const DayBook& book) {
    return std::any_of(book.slots.begin(), book.slots.end(),
                       [](const RaceSlot& slot) { return !slot.IsEmpty(); });
}

}  // namespace

std::vector<std::string> DayRacecourses(const DayBook& book) {
    std::vector<std::string> courses;
    for (const RaceSlot& slot : book.slots) {
        if (slot.IsEmpty()) continue;
        std::string code = FieldAt(slot.RaceInfo, RaceHead::Course);
        if (std::find(courses.begin(), courses.end(), code) == courses.end())
            courses.push_back(code);
        if (courses.size() == std::size(kColumnLefts)) break;
    }
    return courses;
}

std::string PopularityClass(int p) {
    if (p == 1 || (p >= 10 && p <= 13)) return "A";
    if (p >= 4 && p <= 9) return "B";
    if (p == 2 || p == 3 || (p >= 14 && p <= 17)) return "C";
    return "-";
}

std::string RaceListDate(const DayBook& book) {
    return FieldAt(book[0].RaceInfo, RaceHead::Date);
}

TPrevX DrawRaceList(const DayBook& book) {
    TPrevX page;
    page.Title = "一覧表";
    page.SetPaper(PaperKind::A4, PaperOrientation::Landscape);
    page.NewDocument();
    DrawTitle(page, book[0]);
    DrawGrid(page);
    page.SetFont(PlainFont(8));
    std::vector<std::string> courses = DayRacecourses(book);
    for (const RaceSlot& slot : book.slots)
        if (!slot.IsEmpty()) DrawRace(page, slot, courses);
    page.EndDocument();
    return page;
}

std::optional<TPrevX> PrintRaceList(const DayBook& book, const std::string& dateText, Ui& ui) {
    // A chosen day whose race file was missing has nothing to print either.
    if (IsBlank(dateText) || !HasRaces(book)) {
        ui.Beep(BeepSound::Warning);
        ui.ShowMessage("開催日データが読み込まれていません。");
        return std::nullopt;
    }
    return DrawRaceList(book);
}

}  // namespace kagiroi
