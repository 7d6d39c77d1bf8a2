#pragma once

// The progress chart of one statistics column over the recordings, on screen, printed or as PDF.

#include "Berichte.h"
#include "Ribbon.h"

#include <QDialog>
#include <QHash>

namespace zud::ui {

class VerlaufWidget : public QWidget {
    Q_OBJECT
public:
    explicit VerlaufWidget(QWidget* parent = nullptr) : QWidget(parent) {}
    Verlaufsdaten Daten;
    QSize sizeHint() const override { return {900, 560}; }

protected:
    void paintEvent(QPaintEvent* e) override;
};

class TVerlaufForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerlaufForm(QWidget* parent = nullptr);
    // Shows the chart with the statistics window's caption.
    void Prepare(const QString& caption, const Verlaufsdaten& v);
    QAction* Action(const QString& name) const { return FActions.value(name); }
    VerlaufWidget* Chart() const { return FChart; }
    bool Print();
    bool Pdf();
    QString LastMessage;

protected:
    void changeEvent(QEvent* e) override;

private:
    void RetranslateUi();
    bool Seite(Seitenziel& z);
    Ribbon* FRibbon = nullptr;
    VerlaufWidget* FChart = nullptr;
    QHash<QString, QAction*> FActions;
    QString FCaption;
};

} // namespace zud::ui
