#include "PrintPreviewWindow.h"

#include "Statistics.h"

#include <QActionGroup>
#include <QComboBox>
#include <QEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace zud::ui {

PrintPreviewWindow::PrintPreviewWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintPreviewWindow"));
    QVBoxLayout* lay = nullptr;
    FRibbon = PutRibbonOnTop(this, &lay);
    QWidget* tab = FRibbon->AddTab(QStringLiteral("TabAllgemein"), QString());
    RibbonGroup* ausgabe = FRibbon->AddGroup(tab, QStringLiteral("GroupAusgabe"), QString());
    RibbonGroup* seite = FRibbon->AddGroup(tab, QStringLiteral("GroupSeite"), QString());
    RibbonGroup* zurueck = FRibbon->AddGroup(tab, QStringLiteral("GroupZurueck"), QString());
    auto make = [this](const QString& name, const QString& icon, RibbonGroup* g, bool large) {
        return AddRibbonCommand(this, FActions, name, icon, g, large);
    };
    connect(make(QStringLiteral("Drucken"), QStringLiteral("document-print"), ausgabe, true),
            &QAction::triggered, this, [this] { Print(); });
    connect(make(QStringLiteral("PDF"), QStringLiteral("x-office-document"), ausgabe, true),
            &QAction::triggered, this, [this] { Pdf(); });
    QAction* eine = make(QStringLiteral("EineUebung"), QStringLiteral("view-restore"), seite, false);
    QAction* zwei =
        make(QStringLiteral("ZweiUebungen"), QStringLiteral("view-split-top-bottom"), seite, false);
    eine->setCheckable(true);
    zwei->setCheckable(true);
    auto* gruppe = new QActionGroup(this);
    gruppe->addAction(eine);
    gruppe->addAction(zwei);
    eine->setChecked(true);
    FBox1 = seite->AddCombo(QStringLiteral("Uebung1"));
    FBox2 = seite->AddCombo(QStringLiteral("Uebung2"));
    FBox1->setMinimumWidth(260);
    FBox2->setMinimumWidth(260);
    connect(make(QStringLiteral("Bemerkungen"), QStringLiteral("accessories-text-editor"), seite, true),
            &QAction::triggered, this, &PrintPreviewWindow::Bemerkungen);
    connect(make(QStringLiteral("Zurueck"), QStringLiteral("go-previous"), zurueck, true),
            &QAction::triggered, this, &QDialog::reject);
    FPage = new PageView(this);
    FPage->setObjectName(QStringLiteral("Seite"));
    FPage->Zeichnen = [this](QPainter& p, const QSize& s, int dpi) {
        DrawVorschauSeite(p, s, dpi, Inhalt());
    };
    lay->addWidget(FPage, 1);
    for (QAction* a : {eine, zwei}) {
        connect(a, &QAction::toggled, this, [this] {
            FBox2->setEnabled(Zwei());
            FPage->update();
        });
    }
    for (QComboBox* b : {FBox1, FBox2}) {
        connect(b, &QComboBox::currentIndexChanged, FPage, qOverload<>(&QWidget::update));
    }
    EditRemarks = [this](const QStringList& zeilen) -> std::optional<QStringList> {
        bool ok = false;
        const QString t = QInputDialog::getMultiLineText(this, tr("Bemerkungen"), tr("Bemerkungen"),
                                                         zeilen.join(QLatin1Char('\n')), &ok);
        if (!ok) {
            return std::nullopt;
        }
        return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
    };
    resize(1100, 820);
    RetranslateUi();
}

void PrintPreviewWindow::Prepare(const Patient& patient, std::vector<Berichtsaufnahme> uebungen, int aktuell,
                                 const ChartOptionen& o) {
    FPatient = patient;
    FUebungen = std::move(uebungen);
    FOptionen = o;
    FBemerkungen.clear();
    const int n = static_cast<int>(FUebungen.size());
    for (QComboBox* b : {FBox1, FBox2}) {
        b->blockSignals(true);
        b->clear();
        // The patient is the same for all: the date and time tell the recordings apart and keep
        // the choice short enough to read whole; the tab's caption is its tool tip.
        for (const Berichtsaufnahme& a : FUebungen) {
            b->addItem(QStringLiteral("%1, %2").arg(StatDatum(a.Zeile.Datum),
                                                    a.Zeile.Uhrzeit.toString(QStringLiteral("HH:mm:ss"))));
            b->setItemData(b->count() - 1, QString(a.Titel).remove(QLatin1Char('&')).trimmed(),
                           Qt::ToolTipRole);
        }
    }
    aktuell = std::clamp(aktuell, 0, std::max(0, n - 1));
    FBox1->setCurrentIndex(n > 0 ? aktuell : -1);
    // The recording before the current one, or the second when the current is the first.
    FBox2->setCurrentIndex(n > 1 ? (aktuell > 0 ? aktuell - 1 : 1) : -1);
    FBox1->blockSignals(false);
    FBox2->blockSignals(false);
    Action(QStringLiteral("EineUebung"))->setChecked(true);
    Action(QStringLiteral("ZweiUebungen"))->setEnabled(n > 1);
    FBox2->setEnabled(false);
    FPage->update();
}

bool PrintPreviewWindow::Zwei() const {
    return Action(QStringLiteral("ZweiUebungen"))->isChecked() && FUebungen.size() > 1;
}

void PrintPreviewWindow::SetRemarks(const QStringList& lines) {
    FBemerkungen = lines;
    FPage->update();
}

void PrintPreviewWindow::Bemerkungen() {
    if (!EditRemarks) {
        return;
    }
    if (const auto z = EditRemarks(FBemerkungen)) {
        SetRemarks(*z);
    }
}

Vorschauinhalt PrintPreviewWindow::Inhalt() const {
    Vorschauinhalt v;
    v.ZweiUebungen = Zwei();
    v.Patient_ = FPatient;
    const int i1 = FBox1->currentIndex();
    const int i2 = FBox2->currentIndex();
    const int n = static_cast<int>(FUebungen.size());
    v.Uebung1 = i1 >= 0 && i1 < n ? &FUebungen[size_t(i1)] : nullptr;
    v.Uebung2 = i2 >= 0 && i2 < n ? &FUebungen[size_t(i2)] : nullptr;
    v.Bemerkungen = FBemerkungen;
    v.Optionen = FOptionen;
    return v;
}

bool PrintPreviewWindow::Print() {
    return Drucken(
        this,
        [this](Seitenziel& z) {
            DrawVorschauSeite(*z.Painter, z.Seite, z.Dpi, Inhalt());
            return true;
        },
        &LastMessage);
}

bool PrintPreviewWindow::Pdf() {
    return PdfAusgeben(
        this, tr("Druckvorschau als PDF speichern"),
        [this](Seitenziel& z) {
            DrawVorschauSeite(*z.Painter, z.Seite, z.Dpi, Inhalt());
            return true;
        },
        &LastMessage);
}

void PrintPreviewWindow::RetranslateUi() {
    setWindowTitle(tr("Druckvorschau"));
    FRibbon->SetTabCaption(QStringLiteral("TabAllgemein"), tr("Druckvorschau"));
    FRibbon->Group(QStringLiteral("GroupAusgabe"))->SetCaption(tr("Ausgabe"));
    FRibbon->Group(QStringLiteral("GroupSeite"))->SetCaption(tr("Seite"));
    FRibbon->Group(QStringLiteral("GroupZurueck"))->SetCaption(tr("Fenster"));
    Action(QStringLiteral("Drucken"))->setText(tr("Drucken"));
    Action(QStringLiteral("PDF"))->setText(tr("PDF"));
    Action(QStringLiteral("EineUebung"))->setText(tr("Eine Übung"));
    Action(QStringLiteral("ZweiUebungen"))->setText(tr("Zwei Übungen"));
    Action(QStringLiteral("Bemerkungen"))->setText(tr("Bemerkungen"));
    Action(QStringLiteral("Zurueck"))->setText(tr("Zurück"));
    FBox1->setToolTip(tr("Übung1"));
    FBox2->setToolTip(tr("Übung2"));
    FBox1->lineEdit()->setPlaceholderText(tr("Übung1"));
    FBox2->lineEdit()->setPlaceholderText(tr("Übung2"));
    TipsFromCaptions(FActions);
    FRibbon->UpdateTips();
}

void PrintPreviewWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) {
        RetranslateUi();
    }
    QDialog::changeEvent(e);
}

} // namespace zud::ui
