#pragma once

namespace qf::test {

// Runs a real event loop for ms milliseconds, so that it becomes idle (and blocks) in between,
// as it does between a user's actions. QTest::qWait never lets the loop block.
void runEventLoop(int ms);

} // namespace qf::test
