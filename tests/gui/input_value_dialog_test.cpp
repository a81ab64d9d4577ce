// The Input Value dialog over the main window: its frame, captions per language and the range
// guard of the edit field as the user types, clears and confirms.
#include "gui/ui/input_value_dialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include "main_window_fixture.h"

namespace krvm {
namespace {

class InputValueDialogTest : public MainWindowTest {
  protected:
    QPointer<gui::InputValueDialog> open(int kind, int language) {
        window.switchLanguage(language);
        QPointer<gui::InputValueDialog> dialog = window.openInputValue(kind);
        QApplication::processEvents();
        return dialog;
    }
    void type(QWidget* edit, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
        }
    }
    void TearDown() override {
        for (auto* dialog : window.findChildren<gui::InputValueDialog*>()) delete dialog;
    }
};

TEST_F(InputValueDialogTest, TypingAYMovementStopsAtMinus128) {
    auto dialog = open(5, 3);
    QStringList seen;
    for (const char* typed : {"-", "1", "2", "9"}) {
        type(dialog->edit(), QString::fromLatin1(typed));
        seen << dialog->edit()->text();
    }
    EXPECT_EQ(seen, (QStringList{"-", "-1", "-12", "-128"}));
}

TEST_F(InputValueDialogTest, RepeatValueStaysWithin0And255) {
    auto dialog = open(7, 3);
    dialog->edit()->setText(QStringLiteral("300"));
    EXPECT_EQ(dialog->edit()->text(), QStringLiteral("255"));
    dialog->edit()->setText(QStringLiteral("-3"));
    EXPECT_EQ(dialog->edit()->text(), QStringLiteral("0"));
}

TEST_F(InputValueDialogTest, LettersNeverReachTheField) {
    auto dialog = open(3, 3);
    type(dialog->edit(), QStringLiteral("4a2x"));
    EXPECT_EQ(dialog->edit()->text(), QStringLiteral("42"));
}

TEST_F(InputValueDialogTest, ClearLeavesZeroAndKeepsTheDialogOpen) {
    auto dialog = open(7, 3);
    EXPECT_TRUE(dialog->edit()->text().isEmpty());
    type(dialog->edit(), QStringLiteral("45"));
    click(dialog->clearButton());
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->edit()->text(), QStringLiteral("0"));
}

TEST_F(InputValueDialogTest, ConfirmHandsBackTheTextAndCloses) {
    auto dialog = open(3, 3);
    QStringList chosen;
    QObject::connect(dialog, &gui::InputValueDialog::valueChosen,
                     [&chosen](const QString& text) { chosen << text; });
    type(dialog->edit(), QStringLiteral("-7"));
    click(dialog->confirmButton());
    QApplication::processEvents();
    EXPECT_EQ(chosen, QStringList{"-7"});
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
}

TEST_F(InputValueDialogTest, CloseImageHandsNothingBack) {
    auto dialog = open(3, 3);
    bool handed = false;
    QObject::connect(dialog, &gui::InputValueDialog::valueChosen, [&handed] { handed = true; });
    type(dialog->edit(), QStringLiteral("5"));
    click(dialog->closeButton());
    QApplication::processEvents();
    EXPECT_FALSE(handed);
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
}

struct CaptionRow {
    int language;
    const char* title;
    const char* confirm;
    const char* clear;
};

class InputValueCaptions : public InputValueDialogTest,
                           public ::testing::WithParamInterface<CaptionRow> {};

TEST_P(InputValueCaptions, ComeFromTheCurrentLanguage) {
    const CaptionRow& row = GetParam();
    auto dialog = open(5, row.language);
    EXPECT_EQ(dialog->title()->text(), QString::fromUtf8(row.title));
    EXPECT_EQ(dialog->confirmButton()->text(), QString::fromUtf8(row.confirm));
    EXPECT_EQ(dialog->clearButton()->text(), QString::fromUtf8(row.clear));
}

INSTANTIATE_TEST_SUITE_P(Languages, InputValueCaptions,
                         ::testing::Values(CaptionRow{3, "Input Value", "OK", "Cancel"},
                                           CaptionRow{1, "请输入修改值", "确认", "清除"}));

TEST_F(InputValueDialogTest, FrameIsTheMsgPictureCentredOnTheMainWindow) {
    auto dialog = open(5, 3);
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->size(), QSize(1000, 660));
    const QRect main = window.frameGeometry();
    EXPECT_EQ(dialog->x(), main.left() + (main.width() - 1000) / 2);
    EXPECT_EQ(dialog->y(), main.top() + (main.height() - 660) / 2);
    // Only the painted box of the picture is the window; the clear margin around it is not.
    EXPECT_TRUE(dialog->mask().contains(QPoint(500, 330)));
    EXPECT_FALSE(dialog->mask().contains(QPoint(10, 10)));
    EXPECT_EQ(dialog->edit()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    // Each opening builds a new dialog.
    EXPECT_NE(window.openInputValue(5), dialog.data());
}

}  // namespace
}  // namespace krvm
