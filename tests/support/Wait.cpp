#include "support/Wait.h"

#include <QEventLoop>
#include <QTimer>

namespace qf::test {

void runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace qf::test
