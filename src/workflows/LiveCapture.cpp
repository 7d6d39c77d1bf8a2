#include "LiveCapture.h"

#include <algorithm>
#include <cstring>

namespace zud {

void Laufwerte::Add(double v) {
    Summe += static_cast<float>(v);
    ++Anzahl;
    Min = std::min(Min, static_cast<float>(v));
    Max = std::max(Max, static_cast<float>(v));
}

Livewert AusEZWerten(const EZWerte& e) {
    return {.EMG1 = static_cast<uint8_t>(e.EMG1 & 0xFF),
            .EMG2 = static_cast<uint8_t>(e.EMG2 & 0xFF),
            .Bereich1 = e.Bereich1,
            .Bereich2 = e.Bereich2,
            .Schwelle = e.Schwelle,
            .Phase = e.Phase,
            .Strom = e.Strom,
            .Druck = e.Druck,
            .DruckWort = e.DruckWort};
}

void LiveCapture::Programm(const ProgrammParameter& p, const QDateTime& jetzt) {
    if (FAufzeichnung) {
        if (p.Betriebsart == FKopf.Betriebsart) {
            return;
        }
        Beende();
    }
    FKopf = p;
    FStart = jetzt;
    FAufzeichnung.emplace(p);
    FGruppen = Phasengruppen{};
}

bool LiveCapture::Probe(const EZProbe& p) {
    if (!FAufzeichnung) {
        ++FOhneKopf;
        return false;
    }
    const Livewert w = AusEZWerten(p.Werte);
    const bool passt = FAufzeichnung->Hinzufuegen(w);
    if (!passt) {
        ++FGekappt;
        if (Log) {
            Log(QStringLiteral("Echtzeit: sample %1 clamped (current %2 mA, pressure word %3)")
                    .arg(p.GWerte_bekommen)
                    .arg(p.Werte.Strom)
                    .arg(p.Werte.DruckWort));
        }
    }
    // The running figures from the sample as it was stored, decoded as the trailer decodes it.
    const int mode = FAufzeichnung->Betriebsart();
    const std::vector<uint8_t>& d = FAufzeichnung->Daten();
    const int bytes = Probenbytes(mode);
    if (bytes > 0 && d.size() >= kKopfBytes + static_cast<size_t>(bytes)) {
        std::vector<uint8_t> eine(d.begin(), d.begin() + kKopfBytes);
        eine.insert(eine.end(), d.end() - bytes, d.end());
        eine.resize(eine.size() + kFussBytes, 0);
        const Messung m = FillArray(eine.data(), eine.size());
        for (const TMessWert& v : m.Werte) {
            const double V = mode == 5 ? v.Druck : v.EMG1_RAW;
            switch (v.Phase) {
            case 0:
            case 5:
                FGruppen.Entspannen.Add(V);
                if (mode == 9) {
                    FGruppen.Pause.Add(v.EMG2_RAW);
                }
                break;
            case 1:
            case 6:
                FGruppen.Anspannen.Add(V);
                if (mode == 9) {
                    FGruppen.Strom.Add(v.EMG2_RAW);
                }
                break;
            case 2:
                FGruppen.Pause.Add(v.EMG1_RAW);
                break;
            case 3:
            case 7:
                FGruppen.Strom.Add(mode == 4 || mode == 6 || mode == 7 ? v.Druck : v.Strom_RAW);
                if (mode == 6 || mode == 7) {
                    FGruppen.Entspannen.Add(v.EMG1_RAW);
                }
                if (mode == 7) {
                    FGruppen.Anspannen.Add(v.EMG2_RAW);
                }
                break;
            default:
                break;
            }
        }
    }
    return passt;
}

QByteArray LiveCapture::Laufend() const {
    if (!FAufzeichnung) {
        return {};
    }
    const std::vector<uint8_t>& d = FAufzeichnung->Daten();
    return QByteArray(reinterpret_cast<const char*>(d.data()), static_cast<qsizetype>(d.size()));
}

void LiveCapture::Beende() {
    if (FAufzeichnung && FAufzeichnung->Proben() > 0) {
        const std::vector<uint8_t> out = FAufzeichnung->Abschliessen();
        FFertig.push_back(
            {QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(out.size())),
             FStart});
    }
    FAufzeichnung.reset();
}

std::vector<LiveCapture::Fertig> LiveCapture::Abschliessen() {
    Beende();
    std::vector<Fertig> out;
    out.swap(FFertig);
    return out;
}

} // namespace zud
