#pragma once

// Entry fields of the device windows: whole numbers with an up-down that take any typed digits
// and clamp them into their range when left (a field without a number keeps the focus), and a
// decimal field in the user's number format. A command of the window takes what was typed into
// them even while the cursor is still in one (TakeTypedEntries).

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QSpinBox>

namespace zud::ui {

// What a command needs of an entry field.
class TypedEntry {
public:
    virtual ~TypedEntry() = default;
    // Text typed that the field's value does not hold yet.
    virtual bool Pending() const = 0;
    // Takes the typed text when it is a number within the range; false (value kept) otherwise.
    virtual bool TakeTyped() = 0;
    // The German message for a text that cannot be taken, naming the field by its caption.
    virtual QString Refusal() const = 0;
    virtual QAbstractSpinBox* Box() = 0;
    // The caption label whose text names the field in the message.
    void SetCaption(QLabel* caption) { FCaption = caption; }

protected:
    QString CaptionText() const;

private:
    QPointer<QLabel> FCaption;
};

// What both kinds of field share: the spin box's line edit, the text typed and not taken yet,
// and the rule of leaving the field. A focus that goes to another window (a message, a menu)
// comes back: the typed text stays as it is until the field is left inside its window or a
// command takes it. A text that is no number keeps the focus (and the record keeps its value);
// otherwise the spin box leaves as it does.
template <class SpinBox> class TypedField : public SpinBox, public TypedEntry {
public:
    using SpinBox::SpinBox;
    // Runs the check of leaving the field; false (and the focus kept) when the text is no number.
    virtual bool Pruefe() = 0;
    QLineEdit* Edit() const { return this->lineEdit(); }
    bool Pending() const override { return this->lineEdit()->text() != this->textFromValue(this->value()); }
    QAbstractSpinBox* Box() override { return this; }

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

class ZahlFeld : public TypedField<QSpinBox> {
    Q_OBJECT
public:
    explicit ZahlFeld(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    bool Pruefe() override;

    bool TakeTyped() override;
    QString Refusal() const override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// Tenths shown as "%.1f" with the user's decimal separator; the value is in tenths.
class ZehntelFeld : public TypedField<QDoubleSpinBox> {
    Q_OBJECT
public:
    explicit ZehntelFeld(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    bool Pruefe() override;
    int Zehntel() const;

    bool TakeTyped() override;
    QString Refusal() const override;
};

// Both are instantiated once, in ProgramFields.cpp.
extern template class TypedField<QSpinBox>;
extern template class TypedField<QDoubleSpinBox>;

// The typed entries of a window, for a command: every field with typed text takes it. The first
// field whose text is no number within its range stops that: it gets the cursor with its text
// selected and is returned, so that the caller shows its Refusal() and runs nothing. Fields taken
// before it keep what they took. Nothing is returned when all could be taken.
TypedEntry* TakeTypedEntries(const QList<TypedEntry*>& fields);
// Whether any of the fields holds typed text not taken yet.
bool AnyPending(const QList<TypedEntry*>& fields);

} // namespace zud::ui
