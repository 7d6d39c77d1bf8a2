#include "MessageBox.h"

#include "Database.h"
#include "PatientDatabase.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace zud::ui::Msg {

namespace {

// A message of the program. Short texts make a narrow box, in which the window manager cuts the
// program's name in the title ("ZUD-... tware"): a spacer in the box's own grid keeps it wide
// enough for the title.
int Show(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
         QMessageBox::StandardButton def, QMessageBox::StandardButton escape = QMessageBox::NoButton) {
    QMessageBox box(icon, QStringLiteral("ZUD-Software"), text, buttons, parent);
    box.setDefaultButton(def);
    if (escape != QMessageBox::NoButton) {
        box.setEscapeButton(escape);
    }
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 2 + 120;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    return box.exec();
}

} // namespace

void Error(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Info(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool Question(QWidget* parent, const QString& text) {
    return Show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

bool ConfirmDelete(QWidget* parent, const QString& text) {
    return Show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                QMessageBox::No) == QMessageBox::Yes;
}

QString Describe(const std::exception& e) {
    if (const auto* dbe = dynamic_cast<const db::DbError*>(&e))
        return db::DescribeError(*dbe);
    if (const auto* de = dynamic_cast<const DataError*>(&e))
        return de->Message();
    return QString::fromUtf8(e.what());
}

} // namespace zud::ui::Msg
