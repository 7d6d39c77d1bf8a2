#include "ListViews.h"

#include "PatientModels.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace zud::ui {

void FitColumns(QHeaderView* header) {
    header->setResizeContentsPrecision(100);
    header->resizeSections(QHeaderView::ResizeToContents);
}

namespace {
void SetupList(QTreeView* v) {
    v->setRootIsDecorated(false);
    v->setUniformRowHeights(true);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setAllColumnsShowFocus(true);
    // Columns keep the width their caption and values need; a narrow panel scrolls sideways
    // instead of cutting the last caption.
    v->header()->setStretchLastSection(false);
}
} // namespace

RecordingView::RecordingView(QWidget* parent) : QTreeView(parent) {
    SetupList(this);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::MoveAction);
}

void RecordingView::keyPressEvent(QKeyEvent* e) {
    const int before = currentIndex().row();
    QTreeView::keyPressEvent(e);
    if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && currentIndex().isValid() &&
        currentIndex().row() != before)
        emit MovedByKey(currentIndex().row());
}

PatientView::PatientView(QWidget* parent) : QTreeView(parent) {
    SetupList(this);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void PatientView::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasFormat(QString::fromLatin1(kRecordingMime)))
        e->acceptProposedAction();
    else
        e->ignore();
}

void PatientView::dragMoveEvent(QDragMoveEvent* e) {
    // Only a patient row takes a recording.
    if (e->mimeData()->hasFormat(QString::fromLatin1(kRecordingMime)) &&
        indexAt(e->position().toPoint()).isValid())
        e->acceptProposedAction();
    else
        e->ignore();
}

void PatientView::dropEvent(QDropEvent* e) {
    const QModelIndex at = indexAt(e->position().toPoint());
    bool ok = false;
    const qint64 counter = e->mimeData()->data(QString::fromLatin1(kRecordingMime)).toLongLong(&ok);
    if (!at.isValid() || !ok) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    emit RecordingDropped(counter, at.row());
}

} // namespace zud::ui
