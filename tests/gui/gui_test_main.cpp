// Entry of the GUI tests: widgets need a QApplication; tests run without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/ui/font_resolver.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    krvm::gui::FontResolver::installSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
