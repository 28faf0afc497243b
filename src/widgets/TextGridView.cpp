#include "widgets/TextGridView.h"

#include "widgets/Fonts.h"
#include "widgets/TextConversion.h"

#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QMouseEvent>

namespace kagiroi {

namespace {

QColor ToQColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

Qt::Alignment ToAlignment(CellAlign align) {
    switch (align) {
        case CellAlign::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case CellAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case CellAlign::Center:
            break;
    }
    return Qt::AlignCenter;
}

}  // namespace

void TextGridModel::SetGrid(const TextGrid* grid) {
    beginResetModel();
    grid_ = grid;
    shownRows_ = grid_ != nullptr ? grid_->RowCount() - 1 : 0;
    shownCols_ = grid_ != nullptr ? grid_->ColCount() : 0;
    endResetModel();
}

bool TextGridModel::Update() {
    if (grid_ == nullptr) return false;
    int rows = grid_->RowCount() - 1, cols = grid_->ColCount();
    if (rows != shownRows_ || cols != shownCols_) {
        beginResetModel();
        shownRows_ = rows;
        shownCols_ = cols;
        endResetModel();
        return true;
    }
    if (cols == 0) return false;
    if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, cols - 1));
    emit headerDataChanged(Qt::Horizontal, 0, cols - 1);
    return false;
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownCols_;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (grid_ == nullptr || !index.isValid()) return {};
    int col = index.column(), row = index.row() + 1;
    CellStyle s = style ? style(col, row) : CellStyle{};
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(grid_->Cell(col, row));
        case Qt::ToolTipRole: {
            QString tip = toolTip ? toolTip(col, row) : QString();
            return tip.isEmpty() ? QVariant() : QVariant(tip);
        }
        case Qt::BackgroundRole:
            return QBrush(ToQColor(s.background));
        case Qt::ForegroundRole:
            return QBrush(ToQColor(s.text));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ToAlignment(s.align));
        case Qt::FontRole: {
            QFont font = GridFont();
            font.setBold(s.bold);
            return font;
        }
        default:
            return {};
    }
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (grid_ == nullptr || orientation != Qt::Horizontal) return {};
    CellStyle s = style ? style(section, 0) : CellStyle{};
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(grid_->Cell(section, 0));
        case Qt::BackgroundRole:
            return QBrush(ToQColor(s.background));
        case Qt::ForegroundRole:
            return QBrush(ToQColor(s.text));
        case Qt::FontRole:
            return GridFont();
        default:
            return {};
    }
}

TextGridView::TextGridView(QWidget* parent) : QTableView(parent), model_(new TextGridModel(this)) {
    setModel(model_);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(4);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setFont(GridFont());
    SetRowHeight(17);
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this,
            [this](int section) { emit CellPressed(section, 0); });
}

void TextGridView::SetGrid(const TextGrid* grid) {
    grid_ = grid;
    model_->SetGrid(grid);
    appliedWidths_.clear();
    ApplyWidths({});
}

void TextGridView::Refresh() {
    std::vector<int> shown;
    for (int c = 0; c < model_->columnCount(); ++c)
        shown.push_back(columnWidth(c));
    model_->Update();
    ApplyWidths(shown);
}

void TextGridView::SetStyleFunction(std::function<CellStyle(int col, int row)> style) {
    model_->style = std::move(style);
}

void TextGridView::SetToolTipFunction(std::function<QString(int col, int row)> toolTip) {
    model_->toolTip = std::move(toolTip);
}

void TextGridView::SetCursorFunction(std::function<CursorShape(int col, int row)> cursor) {
    cursor_ = std::move(cursor);
    horizontalHeader()->setMouseTracking(true);
    horizontalHeader()->viewport()->installEventFilter(this);
}

bool TextGridView::eventFilter(QObject* watched, QEvent* event) {
    if (cursor_ && watched == horizontalHeader()->viewport() &&
        event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        int section = horizontalHeader()->logicalIndexAt(move->position().toPoint());
        CursorShape shape = section >= 0 ? cursor_(section, 0) : CursorShape::Arrow;
        horizontalHeader()->viewport()->setCursor(
            shape == CursorShape::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    return QTableView::eventFilter(watched, event);
}

void TextGridView::SetRowHeight(int pixels) {
    verticalHeader()->setDefaultSectionSize(pixels);
    verticalHeader()->setMinimumSectionSize(pixels);
}

void TextGridView::ApplyWidths(const std::vector<int>& shownWidths) {
    if (grid_ == nullptr) return;
    appliedWidths_.resize(static_cast<size_t>(grid_->ColCount()), -2);
    for (int c = 0; c < grid_->ColCount(); ++c) {
        int width = grid_->ColWidth(c);
        int& applied = appliedWidths_[static_cast<size_t>(c)];
        setColumnHidden(c, width < 0);
        bool keep = applied == width && c < static_cast<int>(shownWidths.size()) &&
                    shownWidths[static_cast<size_t>(c)] > 0;
        applied = width;
        if (width < 0) continue;
        // Widths are laid out for a 13-pixel fixed-pitch font; a little air keeps texts whole.
        setColumnWidth(c, keep ? shownWidths[static_cast<size_t>(c)] : width + 6);
    }
}

void TextGridView::mousePressEvent(QMouseEvent* event) {
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) emit CellPressed(index.column(), index.row() + 1);
    QTableView::mousePressEvent(event);
}

void TextGridView::mouseMoveEvent(QMouseEvent* event) {
    if (cursor_) {
        QModelIndex index = indexAt(event->position().toPoint());
        CursorShape shape =
            index.isValid() ? cursor_(index.column(), index.row() + 1) : CursorShape::Arrow;
        viewport()->setCursor(shape == CursorShape::Hand ? Qt::PointingHandCursor
                                                         : Qt::ArrowCursor);
    }
    QTableView::mouseMoveEvent(event);
}

}  // namespace kagiroi
