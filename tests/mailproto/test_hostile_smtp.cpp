// Hostile SMTP servers: whatever a server sends, the client neither hangs, nor grows without
// bound, nor lets the server's bytes steer what it does next.
#include "ScriptedServer.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
