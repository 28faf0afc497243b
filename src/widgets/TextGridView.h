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

    void SetGrid(const TextGrid* grid) { grid_ = grid; }
    std::function<CellStyle(int col, int row)> style;
    // Reloads everything from the grid.
    void Reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const TextGrid* grid_ = nullptr;
};

class TextGridView : public QTableView {
    Q_OBJECT
  public:
    explicit TextGridView(QWidget* parent = nullptr);

    void SetGrid(const TextGrid* grid);
    // Re-reads texts and widths from the grid.
    void Refresh();
    void SetStyleFunction(std::function<CellStyle(int col, int row)> style);
    void SetCursorFunction(std::function<CursorShape(int col, int row)> cursor);
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
    void ApplyWidths();
    TextGridModel* model_;
    const TextGrid* grid_ = nullptr;
    std::function<CursorShape(int col, int row)> cursor_;
};

}  // namespace kagiroi
