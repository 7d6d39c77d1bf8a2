#pragma once

#include <QByteArray>
#include <QString>

namespace zud {

// True when the bytes are a recording of the current format: a header whose operating mode has
// a sample layout, and room for the trailer. False with the German reason otherwise. The older
// variant (database rows with a negative mode) is not checked here; it is only decoded when a
// caller asks for it.
bool IstAufzeichnung(const QByteArray& daten, QString* reason = nullptr);

// The long and the short name of an operating mode in the current language; empty for a mode
// outside the table.
QString BetriebsartName(int mode);
QString BetriebsartKurzname(int mode);

// `teil` is the recording `ganz` itself or a crop of it (see the byte version in Recording.h).
bool IstAusschnitt(const QByteArray& teil, const QByteArray& ganz);

} // namespace zud
