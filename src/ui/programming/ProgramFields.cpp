#include "ProgramFields.h"

#include "Programming.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <cmath>

namespace zud::ui {

namespace {

bool NurZiffern(const QString& text) {
    for (QChar c : text) {
        if (!c.isDigit()) {
            return false;
        }
    }
    return true;
}

bool FocusComesBack(const QFocusEvent* e) {
    return e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
}

} // namespace

QString TypedEntry::CaptionText() const {
    QString text = FCaption ? FCaption->text().trimmed() : QString();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text;
}

TypedEntry* TakeTypedEntries(const QList<TypedEntry*>& fields) {
    for (TypedEntry* f : fields) {
        if (f->Pending() && !f->TakeTyped()) {
            f->Box()->setFocus(Qt::OtherFocusReason);
            f->Box()->selectAll();
            return f;
        }
    }
    return nullptr;
}

bool AnyPending(const QList<TypedEntry*>& fields) {
    for (const TypedEntry* f : fields) {
        if (f->Pending()) {
            return true;
        }
    }
    return false;
}

template <class SpinBox> void TypedField<SpinBox>::focusOutEvent(QFocusEvent* e) {
    if (FocusComesBack(e)) {
        QCoreApplication::sendEvent(this->lineEdit(), e);
        QWidget::focusOutEvent(e);
        return;
    }
    if (!Pruefe()) {
        QTimer::singleShot(0, this, [this] { this->setFocus(Qt::OtherFocusReason); });
        return;
    }
    SpinBox::focusOutEvent(e);
}

template class TypedField<QSpinBox>;
template class TypedField<QDoubleSpinBox>;

ZahlFeld::ZahlFeld(QWidget* parent) : TypedField<QSpinBox>(parent) {
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
}

QValidator::State ZahlFeld::validate(QString& text, int&) const {
    // Any digits may be typed; the range applies when the field is left.
    if (!NurZiffern(text)) {
        return QValidator::Invalid;
    }
    if (text.isEmpty()) {
        return QValidator::Intermediate;
    }
    const auto v = wf::GepruefteEingabe(text, minimum(), maximum());
    return v && QString::number(*v) == text ? QValidator::Acceptable : QValidator::Intermediate;
}

int ZahlFeld::valueFromText(const QString& text) const {
    return wf::GepruefteEingabe(text, minimum(), maximum()).value_or(value());
}

bool ZahlFeld::Pruefe() {
    const auto v = wf::GepruefteEingabe(lineEdit()->text(), minimum(), maximum());
    if (!v) {
        return false;
    }
    setValue(*v);
    lineEdit()->setText(QString::number(*v));
    return true;
}

bool ZahlFeld::TakeTyped() {
    const QString text = lineEdit()->text().trimmed();
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || !NurZiffern(text) || v < minimum() || v > maximum()) {
        return false;
    }
    setValue(v);
    lineEdit()->setText(textFromValue(v));
    return true;
}

QString ZahlFeld::Refusal() const {
    return tr("Der Wert im Feld „%1“ ist ungültig. Bitte eine ganze Zahl von %2 bis %3 eingeben.")
        .arg(CaptionText())
        .arg(minimum())
        .arg(maximum());
}

void ZahlFeld::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    if (e->key() == Qt::Key_Escape) {
        // Not a character: the window's Escape (close, or the question before it).
        e->ignore();
        return;
    }
    if (!t.isEmpty() && !t[0].isDigit() && t[0] != QChar(8) && t[0] != QChar(127) &&
        e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter && e->key() != Qt::Key_Tab &&
        e->key() != Qt::Key_Backtab) {
        return; // only digits, Backspace and Delete
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Pruefe();
        return;
    }
    QSpinBox::keyPressEvent(e);
}

ZehntelFeld::ZehntelFeld(QWidget* parent) : TypedField<QDoubleSpinBox>(parent) {
    setDecimals(1);
    setSingleStep(0.1);
    setKeyboardTracking(false);
    setLocale(QLocale());
    setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
}

QValidator::State ZehntelFeld::validate(QString& text, int&) const {
    const QChar sep = locale().decimalPoint().at(0);
    int seps = 0;
    for (QChar c : text) {
        if (c == sep) {
            ++seps;
        } else if (!c.isDigit()) {
            return QValidator::Invalid;
        }
    }
    if (seps > 1) {
        return QValidator::Invalid;
    }
    bool ok = false;
    const double v = locale().toDouble(text, &ok);
    return ok && v >= minimum() && v <= maximum() && text == textFromValue(v) ? QValidator::Acceptable
                                                                              : QValidator::Intermediate;
}

double ZehntelFeld::valueFromText(const QString& text) const {
    bool ok = false;
    const double v = locale().toDouble(text, &ok);
    return ok ? v : value();
}

bool ZehntelFeld::Pruefe() {
    bool ok = false;
    const double v = locale().toDouble(lineEdit()->text(), &ok);
    if (!ok) {
        return false;
    }
    // Tenths, rounded; above the maximum the maximum.
    const double z = std::min(std::round(v * 10.0), std::round(maximum() * 10.0));
    if (z >= std::round(minimum() * 10.0)) {
        setValue(z / 10.0);
    }
    lineEdit()->setText(textFromValue(value()));
    return true;
}

int ZehntelFeld::Zehntel() const {
    return static_cast<int>(std::lround(value() * 10.0));
}

bool ZehntelFeld::TakeTyped() {
    bool ok = false;
    const double v = locale().toDouble(lineEdit()->text().trimmed(), &ok);
    if (!ok) {
        return false;
    }
    const double z = std::round(v * 10.0);
    if (z < std::round(minimum() * 10.0) || z > std::round(maximum() * 10.0)) {
        return false;
    }
    setValue(z / 10.0);
    lineEdit()->setText(textFromValue(value()));
    return true;
}

QString ZehntelFeld::Refusal() const {
    return tr("Der Wert im Feld „%1“ ist ungültig. Bitte eine Zahl von %2 bis %3 eingeben.")
        .arg(CaptionText(), textFromValue(minimum()), textFromValue(maximum()));
}

} // namespace zud::ui
