// Entry of the GUI tests: widgets need a QApplication; tests run on Qt's offscreen platform unless
// told otherwise (test discovery runs the program at build time, where there may be no display).
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
