#pragma once

// Entry fields of the device windows: whole numbers with an up-down that take any typed digits
// and clamp them into their range when left (a field without a number keeps the focus), and a
// decimal field in the user's number format.

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

namespace zud::ui {

class ZahlFeld : public QSpinBox {
    Q_OBJECT
public:
    explicit ZahlFeld(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    // Runs the check of leaving the field; false (and the focus kept) when the text is no number.
    bool Pruefe();
    QLineEdit* Edit() const { return lineEdit(); }

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Tenths shown as "%.1f" with the user's decimal separator; the value is in tenths.
class ZehntelFeld : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit ZehntelFeld(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    bool Pruefe();
    int Zehntel() const;
    QLineEdit* Edit() const { return lineEdit(); }

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

} // namespace zud::ui
