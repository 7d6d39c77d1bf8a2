#include "ApplicationChangeWindow.h"

#include "MessageBox.h"
#include "PatientModels.h"
#include "Ribbon.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "TransferGuard.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace zud::ui {

ApplicationChangeWindow::ApplicationChangeWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ApplicationChangeWindow"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    auto make = [this](const QString& name, const QString& icon) {
        return AddRibbonCommand(this, FActions, name, icon);
    };
    make(QStringLiteral("Zurueck"), QStringLiteral("go-previous"));
    make(QStringLiteral("ChangeApp"), QStringLiteral("system-switch-user"));
    FGroup = new QActionGroup(this);
    FGroup->setExclusive(true);
    for (int n = 1; n <= wf::kAnwendungen; ++n) {
        QAction* a = make(QStringLiteral("App%1").arg(n), QStringLiteral("application-x-executable"));
        a->setCheckable(true);
        FGroup->addAction(a);
        FApps[size_t(n - 1)] = a;
        connect(a, &QAction::triggered, this, [this, n] { Choose(n); });
    }
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString())
        ->AddLarge(Action(QStringLiteral("Zurueck")));
    RibbonGroup* g = FRibbon->AddGroup(tab, QStringLiteral("GroupAnwendung"), QString());
    FName = g->AddEdit(QStringLiteral("Anwendungen"));
    FName->setReadOnly(true);
    FName->setMinimumWidth(160);
    for (QAction* a : FApps) {
        g->AddSmall(a);
    }
    g->AddLarge(Action(QStringLiteral("ChangeApp")));
    connect(Action(QStringLiteral("Zurueck")), &QAction::triggered, this, &QDialog::reject);
    connect(Action(QStringLiteral("ChangeApp")), &QAction::triggered, this, [this] { Wechseln(); });

    auto* body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 8);
    FInfo = new QTextEdit(this);
    FInfo->setObjectName(QStringLiteral("Info"));
    FInfo->setReadOnly(true);
    body->addWidget(FInfo, 1);
    FBar = new QProgressBar(this);
    FBar->setObjectName(QStringLiteral("Bar"));
    FBar->setRange(0, TZUD12::kSlots);
    FBar->setTextVisible(false);
    body->addWidget(FBar);
    lay->addLayout(body, 1);
    resize(900, 460);
    RetranslateUi();
}

void ApplicationChangeWindow::RetranslateUi() {
    setWindowTitle(tr("Anwendung wechseln"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    Action(QStringLiteral("ChangeApp"))->setText(tr("Wechseln"));
    UpdateButtons();
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Allgemein"));
    FRibbon->Group(QStringLiteral("GroupAnwendung"))->SetCaption(tr("Anwendung"));
    FName->setToolTip(tr("Anwendungen:"));
    FName->setPlaceholderText(tr("Anwendungen:"));
    FRibbon->UpdateTips();
    FName->setText(wf::AnwendungsName(FChosen));
}

void ApplicationChangeWindow::UpdateButtons() {
    const int aktiv = FDev ? FDev->Anwendungen.Aktiv : 0;
    for (int n = 1; n <= wf::kAnwendungen; ++n) {
        QAction* a = FApps[size_t(n - 1)];
        const QString name = wf::AnwendungsName(n);
        QString tip = QStringLiteral("%1 (%2)").arg(name, wf::AnwendungsModell(n));
        QFont font = a->font();
        font.setBold(n == aktiv);
        a->setFont(font);
        if (n == aktiv) {
            a->setText(tr("%1 (aktiv)").arg(name));
            tip += QLatin1Char('\n') + tr("Die aktive Anwendung des Gerätes.");
        } else if (FDev && !wf::Freigeschaltet(FDev->Anwendungen, n)) {
            a->setText(tr("%1 (nicht freigeschaltet)").arg(name));
            tip += QLatin1Char('\n') + tr("Das Gerät meldet diese Anwendung nicht als freigeschaltet.");
        } else {
            a->setText(name);
        }
        a->setToolTip(tip);
    }
    FRibbon->UpdateTips();
}

void ApplicationChangeWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

void ApplicationChangeWindow::Prepare(TZUD12* dev) {
    FDev = dev;
    FSwitched = false;
    FReadOut = false;
    FResult = {};
}

void ApplicationChangeWindow::Choose(int n) {
    if (n < 1 || n > wf::kAnwendungen) {
        return;
    }
    FChosen = n;
    FApps[size_t(n - 1)]->setChecked(true);
    FName->setText(wf::AnwendungsName(n));
}

void ApplicationChangeWindow::AppendLine(const QString& text, bool bold, const QColor& colour, bool italic) {
    QTextCharFormat f;
    f.setFontPointSize(12);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setForeground(colour);
    QTextCursor c(FInfo->document());
    c.movePosition(QTextCursor::End);
    if (!FInfo->document()->isEmpty()) {
        c.insertBlock();
    }
    c.insertText(text, f);
}

void ApplicationChangeWindow::showEvent(QShowEvent* e) {
    if (e->spontaneous()) {
        // Restored from the task bar: the window is as it was left.
        QDialog::showEvent(e);
        return;
    }
    if (FDev) {
        const int aktiv = FDev->Anwendungen.Aktiv;
        Choose(aktiv >= 1 && aktiv <= wf::kAnwendungen ? aktiv : 1);
        if (aktiv < 1 || aktiv > wf::kAnwendungen) {
            for (QAction* a : FApps) {
                a->setChecked(false);
            }
        }
        FBar->hide();
        FBar->setValue(0);
        FInfo->clear();
        AppendLine(QStringLiteral("%1: %2").arg(QStringLiteral("ZUD12"), FDev->SN), true, Qt::black, false);
        AppendLine(QStringLiteral("%1: %2").arg(tr("Firmware-Version"), FDev->FWVersion), true, Qt::black,
                   false);
        AppendLine(QStringLiteral("%1: %2").arg(tr("Firmware-Datum"), FormatDate(FDev->FWDate)), true,
                   Qt::black, false);
        AppendLine(QStringLiteral("%1: %2").arg(
                       tr("Aktive Anwendung"),
                       aktiv >= 1 && aktiv <= wf::kAnwendungen ? wf::AnwendungsName(aktiv) : tr("keine")),
                   true, Qt::black, false);
        QStringList frei;
        for (int n = 1; n <= wf::kAnwendungen; ++n) {
            if (wf::Freigeschaltet(FDev->Anwendungen, n)) {
                frei << wf::AnwendungsName(n);
            }
        }
        AppendLine(QStringLiteral("%1: %2").arg(
                       tr("Freigeschaltet"), frei.isEmpty() ? tr("keine") : frei.join(QStringLiteral(", "))),
                   true, Qt::black, false);
        AppendLine(QString(), true, Qt::black, false);
        UpdateButtons();
        Action(QStringLiteral("ChangeApp"))->setEnabled(true);
        Action(QStringLiteral("Zurueck"))->setEnabled(true);
    }
    QDialog::showEvent(e);
    QTimer::singleShot(0, this, [this] { DumpScreenshot(this, QStringLiteral("anwendung-wechseln")); });
}

bool ApplicationChangeWindow::Wechseln() {
    if (!FDev) {
        return false;
    }
    const QString ziel = wf::AnwendungsName(FChosen);
    LastMessage = tr("Das Gerät wird auf die Anwendung „%1“ umgestellt. Hierdurch werden alle Übungen und "
                     "Patienten auf dem Gerät gelöscht und das Gerät auf Werkseinstellungen zurückgesetzt; "
                     "die Datenbank bleibt unverändert. Übungen, die noch nicht ausgelesen wurden, gehen "
                     "verloren.\n\nMöchten Sie fortfahren?")
                      .arg(ziel);
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("ZUD-Software"), LastMessage,
                        QMessageBox::Yes | QMessageBox::No, this);
        QPushButton* auslesen = box.addButton(tr("Vorher auslesen"), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        box.exec();
        if (box.clickedButton() == auslesen) {
            // The main window reads the exercises out and then opens this window again.
            FReadOut = true;
            reject();
            return false;
        }
        if (box.clickedButton() != box.button(QMessageBox::Yes)) {
            return false;
        }
    }
    if (!wf::Freigeschaltet(FDev->Anwendungen, FChosen)) {
        LastMessage = tr("Das Gerät meldet die Anwendung „%1“ nicht als freigeschaltet. Ohne Freischaltung "
                         "kann das Gerät nach dem Wechsel womöglich keine Übungen ausführen, bis wieder auf "
                         "eine freigeschaltete Anwendung gewechselt wird.\n\nTrotzdem wechseln?")
                          .arg(ziel);
        if (!Msg::ConfirmDelete(this, LastMessage)) {
            return false;
        }
    }
    FBar->show();
    for (QAction* a : std::as_const(FActions)) {
        a->setEnabled(false);
    }
    QApplication::processEvents();
    AppendLine(tr("Lösche Übungen..."), false, Qt::red, true);
    wf::ProgrammCallbacks cb;
    bool werkszustand = false;
    cb.progress = [this, &werkszustand](const QString&, int position, int maximum) {
        if (maximum == TZUD12::kSlots) {
            FBar->setValue(position);
        } else if (!werkszustand) {
            werkszustand = true;
            AppendLine(tr("Werkszustand") + QStringLiteral("..."), false, Qt::red, true);
        }
        FBar->repaint();
        FInfo->repaint();
    };
    {
        // Once the application record is written the switch runs to its end: the window takes
        // no input, Escape and the close box included.
        TransferGuard guard({this}, nullptr, {});
        FResult = wf::WechsleAnwendung(*FDev, FChosen, cb);
    }
    FSwitched = FResult.geaendert >= 0;
    if (FResult.failed) {
        LastMessage = FResult.error;
        Msg::Error(this, FResult.error);
    }
    // The device resets: no normal screen is sent when the window closes.
    accept();
    return true;
}

void ApplicationChangeWindow::done(int r) {
    if (FDev && !FSwitched && !FResult.failed) {
        wf::EndeAnwendungswechsel(*FDev);
    }
    QDialog::done(r);
}

} // namespace zud::ui
