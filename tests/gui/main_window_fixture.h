// A main window on a simulated mouse whose messages are recorded instead of shown.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

#include "core/device/simulated_bus.h"
#include "gui/app/loading_window.h"
#include "gui/app/main_window.h"

namespace krvm {

// Keeps the messages instead of showing them; plain notices are also counted apart.
class RecordedMessages final : public MessagePresenter {
  public:
    void show(const QString& text, const QString& caption) override {
        texts << text;
        captions << caption;
    }
    void showPlain(const QString& text, const QString& caption) override {
        show(text, caption);
        plain << text;
    }
    QStringList texts;
    QStringList captions;
    QStringList plain;
};

// Does not sleep: the channel's waits are counted in the core tests.
class NoSleeper final : public Sleeper {
  public:
    void sleep_ms(int) override {}
};

// A left click on `target`, as the pointer would give it.
inline void click(QWidget* target) {
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

class MainWindowTest : public ::testing::Test {
  protected:
    std::shared_ptr<SimulatedMouse> simulated = std::make_shared<SimulatedMouse>();
    SimulatedHidBus bus{simulated, nullptr, std::nullopt, nullptr};
    MouseLink mouse{std::make_unique<NoSleeper>()};
    RecordedMessages messages;
    MainWindow window{bus, mouse, &messages};
    LoadingWindow loading{&window};
    void SetUp() override {
        window.setLoadingWindow(&loading);
        window.show();
        QApplication::processEvents();
    }
};

}  // namespace krvm
