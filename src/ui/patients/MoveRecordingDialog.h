#pragma once

// "Verschieben": confirms moving a recording to another patient.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zud::ui {

class MoveRecordingDialog : public QDialog {
    Q_OBJECT
public:
    explicit MoveRecordingDialog(QWidget* parent = nullptr);
    void SetValues(const QString& messung, const QString& von, const QString& zu);
    QLabel* MessungValue = nullptr;
    QLabel* VonValue = nullptr;
    QLabel* ZuValue = nullptr;
    QCheckBox* NichtMehrAnzeigen = nullptr;
    QPushButton* Verschieben = nullptr;
    QPushButton* Abbrechen = nullptr;

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void RetranslateUi();
    QLabel* FMessung = nullptr;
    QLabel* FVon = nullptr;
    QLabel* FZu = nullptr;
};

} // namespace zud::ui
