#pragma once

// A table whose rows carry a check box in the first column that the user ticks. The derived
// model keeps the marks (IsChecked, SetChecked) and says whether its rows are checkable now;
// every tick of the user is announced by CheckedChanged.

#include <QAbstractTableModel>

namespace zud::ui {

class CheckListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    // Takes a tick in the first column of a row of this table while the rows are checkable.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    virtual bool Checkable() const { return true; }

signals:
    void CheckedChanged();

protected:
    virtual bool IsChecked(int row) const = 0;
    virtual void SetChecked(int row, bool on) = 0;
    // The check mark that data() returns for Qt::CheckStateRole: the row's mark in the first
    // column of checkable rows, nothing elsewhere.
    QVariant CheckState(const QModelIndex& index) const;
};

} // namespace zud::ui
