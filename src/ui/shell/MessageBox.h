#pragma once

// The program's message boxes: German text, error icon and OK for failures, information
// with OK, question with Yes/No (button texts follow the language through Qt's translator);
// a question that deletes defaults to No.

#include <QString>

#include <exception>

class QWidget;

namespace zud::ui::Msg {

void Error(QWidget* parent, const QString& text);
void Info(QWidget* parent, const QString& text);
bool Question(QWidget* parent, const QString& text);
// A question whose "Ja" deletes or discards something: the text names what goes (a patient's
// name, a number of recordings), and "Nein" is the default and the Escape button, so that
// Enter never deletes. Every such question of every window goes through here.
bool ConfirmDelete(QWidget* parent, const QString& text);
// What a failure of the database or of the data rules says in German (its message else).
QString Describe(const std::exception& e);

} // namespace zud::ui::Msg
