#pragma once

#include <QTest>

// For helpers that check as they go: records a failed check as QVERIFY does
// and returns false from the helper. Callers wrap the helper in QVERIFY, so a
// failed step ends the test there and then instead of running on into a null
// pointer or testing something else.
#define PRUEFE(bedingung)                                                                      \
    do {                                                                                       \
        if (!QTest::qVerify(static_cast<bool>(bedingung), #bedingung, "", __FILE__, __LINE__)) \
            return false;                                                                      \
    } while (false)

#define PRUEFE2(bedingung, nachricht)                                                                 \
    do {                                                                                              \
        if (!QTest::qVerify(static_cast<bool>(bedingung), #bedingung, (nachricht), __FILE__, __LINE__)) \
            return false;                                                                             \
    } while (false)
