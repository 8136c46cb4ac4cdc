#pragma once
// Loop bounds that never leave the fixed arrays of Spielstand, whatever the
// counts hold.

#include <algorithm>

#include "core/spielstand.h"

inline int anzahlGruppen(const Spielstand& st)
{
    return std::clamp(st.Gruppenzahl, 0, MaxGruppen);
}

inline int anzahlSektoren(const Spielstand& st)
{
    return std::clamp(st.Sektorenzahl, 0, MaxSektoren);
}
