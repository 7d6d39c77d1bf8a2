#pragma once

// The print preview of the main window: one recording with the patient header, or two
// recordings one above the other, with the user's remarks below; printed or saved as PDF.

#include "ReportOutput.h"
#include "Ribbon.h"

#include <QDialog>
#include <QHash>

#include <optional>
#include <vector>

class QComboBox;

namespace zud::ui {

class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintPreviewWindow(QWidget* parent = nullptr);
    // The open recordings (in tab order) and the current one; selects "Eine Übung", offers
    // "Zwei Übungen" only with more than one recording, clears the remarks.
    void Prepare(const Patient& patient, std::vector<Berichtsaufnahme> uebungen, int aktuell,
                 const ChartOptionen& o);
    QAction* Action(const QString& name) const { return FActions.value(name); }
    QComboBox* Uebung1() const { return FBox1; }
    QComboBox* Uebung2() const { return FBox2; }
    PageView* Page() const { return FPage; }
    bool Zwei() const;
    const QStringList& Remarks() const { return FBemerkungen; }
    void SetRemarks(const QStringList& lines);
    // "Bemerkungen": edits the remark lines; nullopt when cancelled.
    std::function<std::optional<QStringList>(const QStringList&)> EditRemarks;
    Vorschauinhalt Inhalt() const;
    bool Print();
    bool Pdf();
    QString LastMessage;

protected:
    void changeEvent(QEvent* e) override;

private:
    void RetranslateUi();
    void Bemerkungen();
    Ribbon* FRibbon = nullptr;
    PageView* FPage = nullptr;
    QComboBox* FBox1 = nullptr;
    QComboBox* FBox2 = nullptr;
    QHash<QString, QAction*> FActions;
    Patient FPatient;
    std::vector<Berichtsaufnahme> FUebungen;
    QStringList FBemerkungen;
    ChartOptionen FOptionen;
};

} // namespace zud::ui
