#pragma once

// The program's message boxes: German text, error icon and OK for failures, information
// with OK, question with Yes/No (button texts follow the language through Qt's translator).

#include <QString>

#include <exception>

class QWidget;

namespace zud::ui::Msg {

void Error(QWidget* parent, const QString& text);
void Info(QWidget* parent, const QString& text);
bool Question(QWidget* parent, const QString& text);
// What a failure of the database or of the data rules says in German (its message else).
QString Describe(const std::exception& e);

} // namespace zud::ui::Msg
