#include "TVRList.h"

#include <QDate>
#include <algorithm>

QString TVRRow::Text(int column) const {
    if (column < 0 || column >= Cells.size()) return {};
    const QVariant& v = Cells[column];
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? QStringLiteral("ja") : QStringLiteral("nein");
    if (v.typeId() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    // a cell with several lines (list-box values) shows them in one line
    QString t = v.toString();
    if (t.contains(QLatin1Char('\n'))) t.replace(QLatin1Char('\n'), QStringLiteral(" // "));
    return t;
}

TVRList& TVRRow::ChildList() {
    if (!Children) Children = std::make_unique<TVRList>(this);
    return *Children;
}

bool TVRRow::HasChildren() const { return Children && !Children->IsEmpty(); }

int TVRRow::Index() const { return Owner ? Owner->IndexOf(this) : -1; }

TVRRow& TVRList::AddRow(QList<QVariant> cells) {
    auto row = std::make_unique<TVRRow>();
    row->Cells = std::move(cells);
    row->Owner = this;
    FRows.push_back(std::move(row));
    return *FRows.back();
}

int TVRList::IndexOf(const TVRRow* row) const {
    for (size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].get() == row) return int(i);
    return -1;
}

void TVRList::RemoveAt(int i) {
    if (i >= 0 && i < Count()) FRows.erase(FRows.begin() + i);
}

namespace {
int Vergleiche(const QVariant& a, const QVariant& b) {
    const int ta = a.typeId(), tb = b.typeId();
    const auto numerisch = [](int t) {
        return t == QMetaType::Int || t == QMetaType::LongLong || t == QMetaType::Double || t == QMetaType::UInt ||
               t == QMetaType::ULongLong || t == QMetaType::Bool;
    };
    if (numerisch(ta) && numerisch(tb)) {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (ta == QMetaType::QDate && tb == QMetaType::QDate) {
        const QDate x = a.toDate(), y = b.toDate();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}
}  // namespace

void TVRList::Sort(int column, Qt::SortOrder order) {
    std::stable_sort(FRows.begin(), FRows.end(), [&](const auto& x, const auto& y) {
        const QVariant a = column < x->Cells.size() ? x->Cells[column] : QVariant();
        const QVariant b = column < y->Cells.size() ? y->Cells[column] : QVariant();
        const int c = Vergleiche(a, b);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    for (auto& r : FRows)
        if (r->Children) r->Children->Sort(column, order);
}
