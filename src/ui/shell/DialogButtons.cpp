#include "DialogButtons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace zud::ui {

DialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, ButtonOrder order) {
    DialogButtons b;
    auto* row = new QHBoxLayout;
    row->addStretch();
    // The focus chain follows the order of creation.
    if (order == ButtonOrder::AcceptFirst) {
        b.accept = new QPushButton(dialog);
        b.reject = new QPushButton(dialog);
        row->addWidget(b.accept);
        row->addWidget(b.reject);
    } else {
        b.reject = new QPushButton(dialog);
        b.accept = new QPushButton(dialog);
        row->addWidget(b.reject);
        row->addWidget(b.accept);
    }
    b.accept->setDefault(true);
    layout->addLayout(row);
    QObject::connect(b.accept, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(b.reject, &QPushButton::clicked, dialog, &QDialog::reject);
    return b;
}

} // namespace zud::ui
