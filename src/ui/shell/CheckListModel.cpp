#include "CheckListModel.h"

namespace zud::ui {

namespace {

// The first column of an existing row of `model`.
bool FirstColumnOf(const QAbstractItemModel* model, const QModelIndex& index) {
    return index.isValid() && index.model() == model && index.column() == 0 &&
           index.row() < model->rowCount();
}

} // namespace

bool CheckListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !Checkable() || !FirstColumnOf(this, index)) {
        return false;
    }
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit CheckedChanged();
    return true;
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && Checkable() && index.column() == 0) {
        f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

QVariant CheckListModel::CheckState(const QModelIndex& index) const {
    if (!Checkable() || !FirstColumnOf(this, index)) {
        return {};
    }
    return IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
}

} // namespace zud::ui
