#pragma once

// The splash window at start and the about box of "Info": borderless, on top, centred;
// a click anywhere closes it.

#include <QDialog>

class QLabel;

namespace zud::ui {

// "%1.1d.%2.2d.%3.3d" of major, minor and release, e.g. 1.00.001.
QString VersionLabel(int major, int minor, int release);
// The program's own version as the label shows it.
QString ProgramVersionLabel();

class SplashScreen : public QDialog {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);
    void RetranslateUi();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QLabel* FTitle = nullptr;
    QLabel* FVersion = nullptr;
    QLabel* FText = nullptr;
};

// With ZUD_SCREENSHOTS=DIR set: writes DIR/<name>.png of the widget.
void DumpScreenshot(QWidget* w, const QString& name);

} // namespace zud::ui
