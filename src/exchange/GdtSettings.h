#pragma once

// The GDT connection to the practice software: machine-wide keys in ZUD.conf, each of which the
// per-user file may override. The program's settings page and zudctl read the same values.

#include "GdtFormat.h"

#include <QString>

namespace zud {

class Settings;

struct GdtSettings {
    bool On = false;
    QString Folder;                            // the exchange folder
    QString OwnId = QStringLiteral("ZUD12");   // at most 8 characters
    QString PvsId = QStringLiteral("PVS");     // at most 8 characters
    QString Version = QStringLiteral("02.10"); // "02.10" or "03.00"
    gdt::Zeichensatz Charset = gdt::Zeichensatz::Cp437;
    bool Auto = false;                          // send results after a read-out or live recording
    bool Pdf = false;                           // with the report page as PDF
    QString TestCode = QStringLiteral("ZUD12"); // field 8402
    bool Numbered = false;                      // result files .001, .002 … instead of .GDT

    static GdtSettings Read(const Settings& s);
    // Writes every value into the per-user file.
    void Write(Settings& s) const;

    // What is wrong with these values, in German; empty when they can be used.
    QString Check() const;

    // The file name the practice software writes its requests to (our ID, its ID, ".GDT").
    QString RequestFileName() const;
    // The file name of our results without the numbering (its ID, our ID, ".GDT").
    QString ResultFileName() const;
};

} // namespace zud
