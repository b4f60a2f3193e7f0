#pragma once

#include <QtGlobal>
#include <gtest/gtest.h>

namespace tw::test
{

// True when a missing peer program must fail its interoperability test instead
// of skipping it, as CI asks with TILEWRIGHT_REQUIRE_PEERS=1.
inline bool peersRequired()
{
    return qEnvironmentVariableIntValue("TILEWRIGHT_REQUIRE_PEERS") != 0;
}

} // namespace tw::test

// Ends the test when a peer program is missing: a skip naming what to install,
// or a failure when peers are required.
#define TW_PEER_MISSING(message)                                                                   \
    do {                                                                                           \
        if (::tw::test::peersRequired())                                                           \
            FAIL() << message;                                                                     \
        GTEST_SKIP() << message;                                                                   \
    } while (false)
