#include "SplashScreen.h"

#include "Version.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zud::ui {

QString VersionLabel(int major, int minor, int release) {
    return QStringLiteral("%1.%2.%3")
        .arg(major, 1, 10, QLatin1Char('0'))
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(release, 3, 10, QLatin1Char('0'));
}

QString ProgramVersionLabel() {
    return VersionLabel(kVersionMajor, kVersionMinor, kVersionRelease);
}

void DumpScreenshot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("ZUD_SCREENSHOTS");
    if (dir.isEmpty() || !w)
        return;
    QDir().mkpath(dir);
    w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

SplashScreen::SplashScreen(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SplashScreen"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("ZUD-Software"));
    setFixedSize(420, 240);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x1f, 0x4e, 0x8c));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(24, 24, 24, 24);
    FTitle = new QLabel(QStringLiteral("ZUD-Software"), this);
    QFont f = FTitle->font();
    f.setPointSize(24);
    f.setBold(true);
    FTitle->setFont(f);
    FTitle->setAlignment(Qt::AlignCenter);
    FText = new QLabel(this);
    FText->setAlignment(Qt::AlignCenter);
    FText->setWordWrap(true);
    FVersion = new QLabel(ProgramVersionLabel(), this);
    FVersion->setObjectName(QStringLiteral("Version"));
    FVersion->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    lay->addStretch();
    lay->addWidget(FTitle);
    lay->addWidget(FText);
    lay->addStretch();
    lay->addWidget(FVersion);
    RetranslateUi();
}

void SplashScreen::RetranslateUi() {
    FText->setText(tr("Begleitprogramm zum Therapiegerät ZUD12"));
}

void SplashScreen::mousePressEvent(QMouseEvent*) {
    if (isModal())
        accept();
    else
        close();
}

void SplashScreen::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        RetranslateUi();
    QDialog::changeEvent(e);
}

void SplashScreen::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

} // namespace zud::ui
