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

class ZahlFeld : public QSpinBox, public TypedEntry {
    Q_OBJECT
public:
    explicit ZahlFeld(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    // Runs the check of leaving the field; false (and the focus kept) when the text is no number.
    bool Pruefe();
    QLineEdit* Edit() const { return lineEdit(); }

    bool Pending() const override;
    bool TakeTyped() override;
    QString Refusal() const override;
    QAbstractSpinBox* Box() override { return this; }

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Tenths shown as "%.1f" with the user's decimal separator; the value is in tenths.
class ZehntelFeld : public QDoubleSpinBox, public TypedEntry {
    Q_OBJECT
public:
    explicit ZehntelFeld(QWidget* parent = nullptr);
    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    bool Pruefe();
    int Zehntel() const;
    QLineEdit* Edit() const { return lineEdit(); }

    bool Pending() const override;
    bool TakeTyped() override;
    QString Refusal() const override;
    QAbstractSpinBox* Box() override { return this; }

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

// The typed entries of a window, for a command: every field with typed text takes it. The first
// field whose text is no number within its range stops that: it gets the cursor with its text
// selected and is returned, so that the caller shows its Refusal() and runs nothing. Fields taken
// before it keep what they took. Nothing is returned when all could be taken.
TypedEntry* TakeTypedEntries(const QList<TypedEntry*>& fields);
// Whether any of the fields holds typed text not taken yet.
bool AnyPending(const QList<TypedEntry*>& fields);

} // namespace zud::ui
