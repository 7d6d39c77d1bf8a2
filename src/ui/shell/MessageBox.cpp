#include "MessageBox.h"

#include "Database.h"
#include "PatientDatabase.h"

#include <QMessageBox>

namespace zud::ui::Msg {

namespace {
int Show(QWidget* parent, QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
         QMessageBox::StandardButton def) {
    QMessageBox box(icon, QStringLiteral("ZUD-Software"), text, buttons, parent);
    box.setDefaultButton(def);
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
    QMessageBox box(QMessageBox::Question, QStringLiteral("ZUD-Software"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString Describe(const std::exception& e) {
    if (const auto* dbe = dynamic_cast<const db::DbError*>(&e))
        return db::DescribeError(*dbe);
    if (const auto* de = dynamic_cast<const DataError*>(&e))
        return de->Message();
    return QString::fromUtf8(e.what());
}

} // namespace zud::ui::Msg
