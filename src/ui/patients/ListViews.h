#pragma once

// The main window's two lists: recordings are dragged from one onto a patient of the other;
// arrow keys in the recording list open the newly selected row at once.

#include <QTreeView>

class QHeaderView;

namespace zud::ui {

// Sizes every column to the wider of its caption and its first hundred rows, so that neither a
// caption ("Versicherungsnummer") nor a value is cut; called after filling and after a
// language change.
void FitColumns(QHeaderView* header);

class RecordingView : public QTreeView {
    Q_OBJECT
public:
    explicit RecordingView(QWidget* parent = nullptr);
signals:
    // Up or Down moved the selection to `row`.
    void MovedByKey(int row);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

class PatientView : public QTreeView {
    Q_OBJECT
public:
    explicit PatientView(QWidget* parent = nullptr);
signals:
    // A recording was dropped onto the patient in `row`.
    void RecordingDropped(qint64 counter, int row);

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

} // namespace zud::ui
