#include "Msg.h"

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

} // namespace zud::ui::Msg
