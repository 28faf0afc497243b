#include "platform/Sjis.h"
#include "widgets/TextConversion.h"
#include "widgets/TextGridView.h"

#include <gtest/gtest.h>
#include <QBrush>
#include <QHeaderView>

namespace kagiroi {
namespace {

TEST(TextConversion, ShiftJisTextsBecomeQtTextsAndBack) {
    std::string sjis = Utf8ToSjis("中山11R ｵｯｽﾞ");
    EXPECT_EQ(QStringLiteral("中山11R ｵｯｽﾞ"), ToQString(sjis));
    EXPECT_EQ(sjis, ToSjis(ToQString(sjis)));
}

TEST(TextGridView, ShowsTheGridWithItsHeaderWidthsAndStyles) {
    TextGrid grid(3, 3);
    grid.SetHeader({Utf8ToSjis("枠"), Utf8ToSjis("馬"), "x"});
    grid.SetCell(1, 1, " 7");
    grid.SetCell(1, 2, "12");
    grid.SetColWidths({20, 30, -1});
    TextGridView view;
    view.SetStyleFunction([](int col, int row) {
        CellStyle s;
        if (col == 1 && row == 2) s.background = colors::kMagenta;
        return s;
    });
    view.SetGrid(&grid);
    QAbstractItemModel* model = view.model();
    ASSERT_EQ(2, model->rowCount());  // the header row is the view's header
    EXPECT_EQ(QStringLiteral("馬"),
              model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString());
    EXPECT_EQ(QStringLiteral("12"), model->index(1, 1).data().toString());
    EXPECT_EQ(QColor(255, 0, 255),
              model->index(1, 1).data(Qt::BackgroundRole).value<QBrush>().color());
    EXPECT_TRUE(view.isColumnHidden(2));
    EXPECT_FALSE(view.isColumnHidden(0));

    grid.SetRowCount(5);
    view.Refresh();
    EXPECT_EQ(4, model->rowCount());
}

TEST(TextGridView, PressesReportGridCoordinatesWithTheHeaderAsRowZero) {
    TextGrid grid(2, 3);
    TextGridView view;
    view.SetGrid(&grid);
    std::vector<std::pair<int, int>> pressed;
    QObject::connect(&view, &TextGridView::CellPressed,
                     [&](int c, int r) { pressed.emplace_back(c, r); });
    emit view.horizontalHeader()->sectionPressed(1);
    ASSERT_EQ(1u, pressed.size());
    EXPECT_EQ(std::make_pair(1, 0), pressed[0]);
}

}  // namespace
}  // namespace kagiroi
