#pragma once

// The folder of the program's installed data files (translations, manual, electrode pictures):
// <folder of the executable>/../share/zud-software/, so the build tree (programs in build/bin/)
// and an installed program (<prefix>/bin/) find theirs the same way. ZUD_SHARE_DIR overrides it.

#include <QString>

namespace zud {

// Always ends with "/".
QString ShareDir();

} // namespace zud
