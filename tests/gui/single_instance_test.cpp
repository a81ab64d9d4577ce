#include "platform/instance/single_instance.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace krvm {
namespace {

TEST(SingleInstance, SecondStartFindsTheFirstAndAsksItToShowItself) {
    const QString key =
        QStringLiteral("krvm640 test caption %1").arg(QCoreApplication::applicationPid());
    SingleInstance first(key);
    SingleInstance second(key);
    EXPECT_FALSE(second.signalRunningInstance());  // nobody listens yet
    ASSERT_TRUE(first.listen());

    bool activated = false;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { activated = true; });
    EXPECT_TRUE(second.signalRunningInstance());
    QElapsedTimer waited;
    waited.start();
    while (!activated && waited.elapsed() < 5000) QCoreApplication::processEvents();
    EXPECT_TRUE(activated);
}

TEST(SingleInstance, OtherCaptionsDoNotMeet) {
    SingleInstance first(QStringLiteral("one caption"));
    ASSERT_TRUE(first.listen());
    SingleInstance other(QStringLiteral("another caption"));
    EXPECT_FALSE(other.signalRunningInstance());
}

}  // namespace
}  // namespace krvm
