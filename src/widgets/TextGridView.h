#pragma once

#include "platform/TextGrid.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <functional>

namespace kagiroi {

// Shows a core TextGrid: row 0 is the header (kept visible while scrolling), the other rows the
// data. Styles and cursors come from the core; presses are forwarded with grid coordinates.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TextGridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetGrid(const TextGrid* grid);
    std::function<CellStyle(int col, int row)> style;
    std::function<QString(int col, int row)> toolTip;
    // Re-reads the grid: a reset only when its shape changed, otherwise a repaint of the cells
    // (which keeps the view's scroll position, current cell and column widths). True on a reset.
    bool Update();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const TextGrid* grid_ = nullptr;
    int shownRows_ = 0, shownCols_ = 0;  // the shape the view knows
};

class TextGridView : public QTableView {
    Q_OBJECT
  public:
    explicit TextGridView(QWidget* parent = nullptr);

    void SetGrid(const TextGrid* grid);
    // Re-reads texts and widths from the grid. A width the user set is kept until the grid
    // itself changes that column's width.
    void Refresh();
    void SetStyleFunction(std::function<CellStyle(int col, int row)> style);
    void SetCursorFunction(std::function<CursorShape(int col, int row)> cursor);
    // The text shown while the pointer rests on a data cell; empty for none.
    void SetToolTipFunction(std::function<QString(int col, int row)> toolTip);
    void SetRowHeight(int pixels);

  signals:
    // A mouse press on a cell (row 0 = the header row).
    void CellPressed(int col, int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // The header row takes its cursor from the core like every other row.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ApplyWidths(const std::vector<int>& shownWidths);
    TextGridModel* model_;
    std::vector<int> appliedWidths_;  // the grid's widths as last applied
    const TextGrid* grid_ = nullptr;
    std::function<CursorShape(int col, int row)> cursor_;
};

}  // namespace kagiroi
