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

void TextGridModel::Reload() {
    beginResetModel();
    endResetModel();
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || grid_ == nullptr) return 0;
    return grid_->RowCount() - 1;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || grid_ == nullptr) return 0;
    return grid_->ColCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (grid_ == nullptr || !index.isValid()) return {};
    int col = index.column(), row = index.row() + 1;
    CellStyle s = style ? style(col, row) : CellStyle{};
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(grid_->Cell(col, row));
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
    Refresh();
}

void TextGridView::Refresh() {
    model_->Reload();
    ApplyWidths();
}

void TextGridView::SetStyleFunction(std::function<CellStyle(int col, int row)> style) {
    model_->style = std::move(style);
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

void TextGridView::ApplyWidths() {
    if (grid_ == nullptr) return;
    for (int c = 0; c < grid_->ColCount(); ++c) {
        int width = grid_->ColWidth(c);
        setColumnHidden(c, width < 0);
        // Widths are laid out for a 13-pixel fixed-pitch font; a little air keeps texts whole.
        if (width >= 0) setColumnWidth(c, width + 6);
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
