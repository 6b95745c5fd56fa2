#include "TVTQLNVRList.h"

#include "TQLNForm.h"

#include <QHeaderView>
#include <QMouseEvent>

// ---- model ---------------------------------------------------------------

TVRList* TVRListModel::ListOf(const QModelIndex& parent) const {
    if (!parent.isValid()) return &FGrid.FRows;
    auto* row = static_cast<TVRRow*>(parent.internalPointer());
    return row->Children.get();
}

TVRRow* TVRListModel::RowOf(const QModelIndex& index) const {
    if (!index.isValid()) return nullptr;
    auto* owner = static_cast<TVRList*>(index.internalPointer());
    // internalPointer holds the owning list; the row is found by position.
    return index.row() < owner->Count() ? &owner->Row(index.row()) : nullptr;
}

QModelIndex TVRListModel::index(int row, int column, const QModelIndex& parent) const {
    if (FGrid.FUpdateDepth > 0) return {};
    TVRList* list = nullptr;
    if (!parent.isValid()) {
        list = &FGrid.FRows;
    } else {
        TVRRow* p = RowOf(parent);
        list = p ? p->Children.get() : nullptr;
    }
    if (!list || row < 0 || row >= list->Count() || column < 0 || column >= FGrid.FColumns.size()) return {};
    return createIndex(row, column, list);
}

QModelIndex TVRListModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    auto* owner = static_cast<TVRList*>(child.internalPointer());
    TVRRow* parentRow = owner->ParentRow();
    if (!parentRow) return {};
    return createIndex(parentRow->Index(), 0, parentRow->Owner);
}

int TVRListModel::rowCount(const QModelIndex& parent) const {
    if (FGrid.FUpdateDepth > 0) return 0;
    if (!parent.isValid()) return FGrid.FRows.Count();
    if (parent.column() != 0) return 0;
    TVRRow* r = RowOf(parent);
    return r && r->Children ? r->Children->Count() : 0;
}

int TVRListModel::columnCount(const QModelIndex&) const { return FGrid.FColumns.size(); }

QVariant TVRListModel::data(const QModelIndex& index, int role) const {
    const TVRRow* r = RowOf(index);
    if (!r) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return r->Text(index.column());
        case Qt::EditRole:
            return index.column() < r->Cells.size() ? r->Cells[index.column()] : QVariant();
        case Qt::BackgroundRole:
            if (r->Disabled) return TQLNForm::GetQLNColor(123);
            if (FGrid.FOddRowColor && !index.parent().isValid() && (index.row() % 2) == 1)
                return TQLNForm::GetQLNColor(121);
            return {};
        case Qt::ForegroundRole:
            return r->Disabled ? QVariant(QColor(Qt::darkGray)) : QVariant();
        case Qt::CheckStateRole:
            if (index.column() == 0 && FGrid.FCheckboxes && r->Checkable) return int(r->Check);
            return {};
        case Qt::TextAlignmentRole:
            return index.column() < FGrid.FColumns.size() ? QVariant(int(FGrid.FColumns[index.column()].Alignment))
                                                          : QVariant();
        default:
            return {};
    }
}

bool TVRListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TVRRow* r = RowOf(index);
    if (!r || role != Qt::CheckStateRole || !r->Checkable || r->Disabled) return false;
    r->Check = Qt::CheckState(value.toInt());
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    Q_EMIT FGrid.RowCheckChanged(r);
    return true;
}

QVariant TVRListModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < FGrid.FColumns.size())
        return FGrid.FColumns[section].Header;
    return {};
}

Qt::ItemFlags TVRListModel::flags(const QModelIndex& index) const {
    const TVRRow* r = RowOf(index);
    if (!r) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled;
    if (!r->Disabled) f |= Qt::ItemIsSelectable;
    if (FGrid.FCheckboxes && r->Checkable && index.column() == 0 && !r->Disabled) f |= Qt::ItemIsUserCheckable;
    return f;
}

void TVRListModel::SortiereListe(TVRList& list, int column, Qt::SortOrder order) {
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QList<const TVRRow*> rows;
    rows.reserve(before.size());
    for (const QModelIndex& i : before) rows.append(RowOf(i));
    list.Sort(column, order);
    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i) after.append(IndexOf(rows[i], before[i].column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void TVRListModel::sort(int column, Qt::SortOrder order) { FGrid.SortByColumn(column, order); }

QModelIndex TVRListModel::IndexOf(const TVRRow* row, int column) const {
    if (!row || !row->Owner) return {};
    const int i = row->Index();
    return i < 0 ? QModelIndex() : createIndex(i, column, row->Owner);
}

void TVRListModel::RowChanged(const TVRRow* row) {
    const QModelIndex a = IndexOf(row, 0);
    if (a.isValid()) Q_EMIT dataChanged(a, IndexOf(row, columnCount() - 1));
}

// ---- grid ----------------------------------------------------------------

TVTQLNVRList::TVTQLNVRList(QWidget* parent) : QTreeView(parent), FModel(*this) {
    setModel(&FModel);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setRootIsDecorated(false);
    setSortingEnabled(false);
    setMouseTracking(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(-1, Qt::AscendingOrder);  // no arrow until the list is sorted
    header()->setStretchLastSection(true);
    connect(header(), &QHeaderView::sectionClicked, this, [this](int section) {
        const Qt::SortOrder order =
            (section == FSortColumn && FSortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
        SortByColumn(section, order);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (TVRRow* r = FModel.RowOf(current)) Q_EMIT RowSelected(r);
            });
}

int TVTQLNVRList::AddColumn(const QString& header, int width, bool visible) {
    FColumns.append({header, width, visible});
    if (FUpdateDepth == 0) {
        FModel.Reset();
        ApplyColumns();
    }
    return FColumns.size() - 1;
}

void TVTQLNVRList::ClearColumns() {
    FColumns.clear();
    if (FUpdateDepth == 0) FModel.Reset();
}

void TVTQLNVRList::SetColumnVisible(int column, bool visible) {
    if (column < 0 || column >= FColumns.size()) return;
    FColumns[column].Visible = visible;
    setColumnHidden(column, !visible);
}

bool TVTQLNVRList::IsColumnVisible(int column) const {
    return column >= 0 && column < FColumns.size() && FColumns[column].Visible;
}

void TVTQLNVRList::ApplyColumns() {
    bool tree = false;
    for (int i = 0; i < FRows.Count() && !tree; ++i) tree = FRows.Row(i).HasChildren();
    setRootIsDecorated(tree);
    for (int c = 0; c < FColumns.size(); ++c) {
        setColumnHidden(c, !FColumns[c].Visible);
        if (c < FColumns.size() - 1) setColumnWidth(c, FColumns[c].Width);
    }
}

void TVTQLNVRList::BeginUpdate() {
    if (FUpdateDepth++ == 0) {
        setUpdatesEnabled(false);
        FModel.Reset();
    }
}

void TVTQLNVRList::EndUpdate() {
    if (FUpdateDepth == 0) return;
    if (--FUpdateDepth == 0) {
        FModel.Reset();
        ApplyColumns();
        setUpdatesEnabled(true);
    }
}

void TVTQLNVRList::Clear() {
    BeginUpdate();
    FRows.Clear();
    FColumns.clear();
    EndUpdate();
}

void TVTQLNVRList::SortByColumn(int column, Qt::SortOrder order) {
    if (column < 0 || column >= FColumns.size()) return;
    const TVRRow* focused = FocusedRow();
    FSortColumn = column;
    FSortOrder = order;
    FModel.SortiereListe(FRows, column, order);
    header()->setSortIndicator(column, order);
    if (focused) scrollTo(FModel.IndexOf(focused));
}

void TVTQLNVRList::SetHeaderVisible(bool visible) { setHeaderHidden(!visible); }

TVRRow* TVTQLNVRList::FocusedRow() const { return FModel.RowOf(currentIndex()); }

QList<TVRRow*> TVTQLNVRList::SelectedRows() const {
    QList<TVRRow*> out;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        if (TVRRow* r = FModel.RowOf(i)) out.append(r);
    return out;
}

TVRRow* TVTQLNVRList::RowAt(const QPoint& viewportPos) const { return FModel.RowOf(indexAt(viewportPos)); }

void TVTQLNVRList::SelectRow(TVRRow* row) {
    const QModelIndex i = FModel.IndexOf(row);
    if (!i.isValid()) return;
    setCurrentIndex(i);
    selectionModel()->select(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

void TVTQLNVRList::SelectFirstVisibleRow() {
    for (int i = 0; i < FRows.Count(); ++i) {
        if (!FRows.Row(i).Disabled) {
            SelectRow(&FRows.Row(i));
            return;
        }
    }
}

QList<TVRRow*> TVTQLNVRList::VisibleRows() const {
    QList<TVRRow*> out;
    std::function<void(const TVRList&, const QModelIndex&)> walk = [&](const TVRList& list, const QModelIndex& parent) {
        for (int i = 0; i < list.Count(); ++i) {
            auto* r = const_cast<TVRRow*>(&list.Row(i));
            out.append(r);
            const QModelIndex idx = FModel.index(i, 0, parent);
            if (r->HasChildren() && isExpanded(idx)) walk(*r->Children, idx);
        }
    };
    walk(FRows, {});
    return out;
}

void TVTQLNVRList::mouseMoveEvent(QMouseEvent* e) {
    QTreeView::mouseMoveEvent(e);
    if (TVRRow* r = RowAt(e->position().toPoint())) Q_EMIT RowHovered(r);
}

void TVTQLNVRList::mouseDoubleClickEvent(QMouseEvent* e) {
    QTreeView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton) {
        if (TVRRow* r = RowAt(e->position().toPoint())) Q_EMIT RowActivated(r);
    }
}
