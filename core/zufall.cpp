#include "zufall.h"

#include <QDateTime>

std::uint64_t millisekundenSeitMitternachtUtc()
{
    return static_cast<std::uint64_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}
