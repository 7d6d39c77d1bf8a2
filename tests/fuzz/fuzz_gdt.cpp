// The GDT reader on arbitrary bytes: it must never crash, and a record it accepts must come back
// the same when written in its character set and read again.

#include "GdtFormat.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)zud::gdt::LeseAnfrage(bytes, QStringLiteral("ZUD12"), QStringLiteral("/tmp/gdt"));
    const zud::gdt::Leseergebnis r = zud::gdt::LeseSatz(bytes);
    if (!r.Ok()) {
        if (r.Fehler.Text.isEmpty()) {
            std::abort(); // a refusal always says why
        }
        return 0;
    }
    QByteArray again;
    QString why;
    if (!zud::gdt::SchreibeSatz(*r.Record, r.Zs, &again, &why)) {
        return 0; // e.g. a record longer than a written one may be
    }
    const zud::gdt::Leseergebnis back = zud::gdt::LeseSatz(again);
    if (!back.Ok() || back.Record->Satzart != r.Record->Satzart ||
        back.Record->Felder.size() != r.Record->Felder.size()) {
        std::abort();
    }
    for (size_t i = 0; i < r.Record->Felder.size(); ++i) {
        const auto& a = r.Record->Felder[i];
        const auto& b = back.Record->Felder[i];
        if (a.Kennung != b.Kennung || (a.Kennung != 8100 && a.Inhalt != b.Inhalt)) {
            std::abort();
        }
    }
    return 0;
}
