// The page bar on the main window: page buttons, hover images on all copies, caption rolling,
// the device and profile buttons on the simulated mouse.
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "core/ui/skin_images.h"
#include "gui/app/file_dialogs.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/skin_pixmaps.h"
#include "main_window_fixture.h"

namespace krvm {
namespace {

// Answers the file dialogs with a fixed name and remembers the filters it was shown.
class FixedFileDialogs final : public FileDialogs {
  public:
    QString saveFileName(QWidget*, const QString& filter) override {
        filters << filter;
        return answer;
    }
    QString openFileName(QWidget*, const QString& filter) override {
        filters << filter;
        return answer;
    }
    QString answer;
    QStringList filters;
};

class PageBarTest : public MainWindowTest {
  protected:
    gui::SkinButton* button(const QString& name) {
        auto* found = window.findChild<gui::SkinButton*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    bool shows(const QString& control, const char* image) {
        auto* label = window.findChild<QLabel*>(control);
        return label && label->pixmap().cacheKey() == gui::skinPixmap(image).cacheKey();
    }
    void enter(const QString& name) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(button(name), &event);
    }
    void leave(const QString& name) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(button(name), &event);
    }
    void click(const QString& name) {
        krvm::click(button(name));
    }
    void readMouse() {
        window.DevTimerTimer();
        ASSERT_TRUE(mouse.connection().valid());
        ASSERT_FALSE(window.noDevice());
    }
    int visibleGroup() {
        int shown = 0;
        for (int number = 1; number <= MainWindow::kPageCount; ++number) {
            if (!window.page(number)->isHidden()) {
                EXPECT_EQ(shown, 0) << "two page groups visible";
                shown = number;
            }
        }
        return shown;
    }
};

struct PageRow {
    const char* button;  // the page-bar button clicked (its copy on the visible group)
    int group;
    Page page;
    const char* picture;  // control and image part of the page picture
    const char* part;
};

class PageButtons : public PageBarTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(PageButtons, ShowTheirPageSelectTheirButtonAndLoadThePicture) {
    readMouse();
    window.switchLanguage(3);
    const PageRow& row = GetParam();
    // Start from another page, so the click has something to reset.
    click(QStringLiteral("Btn_Breath_1"));
    ASSERT_EQ(visibleGroup(), 3);
    click(QStringLiteral("Btn_%1_3").arg(row.button));
    EXPECT_EQ(visibleGroup(), row.group);
    EXPECT_EQ(window.currentPage(), row.page);
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_TRUE(shows(QStringLiteral("Img_%1_%2").arg(row.button).arg(copy), "SetS_03"));
        if (row.page != Page::light) {
            EXPECT_TRUE(shows(QStringLiteral("Img_Breath_%1").arg(copy), "SetS_01"));
        }
        EXPECT_TRUE(shows(QStringLiteral("Img_Save_%1").arg(copy), "SetS_01"));
    }
    EXPECT_TRUE(shows(row.picture, language_image(3, row.part).c_str()));
    EXPECT_EQ(window.size(), QSize(1030, 662));
    EXPECT_TRUE(messages.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, PageButtons,
                         ::testing::Values(PageRow{"Main", 1, Page::office, "Img_P1", "Back1"},
                                           PageRow{"Second", 1, Page::game, "Img_P1", "Back1"},
                                           PageRow{"Adv", 2, Page::advanced, "Img_P2", "Back2"},
                                           PageRow{"Breath", 3, Page::light, "Img_P3", "Back3"},
                                           PageRow{"Macro", 4, Page::macro, "Img_P4", "Back4"}));

TEST_F(PageBarTest, EngineerPageTakesItsOwnSizeAndGivesItBack) {
    readMouse();
    EXPECT_TRUE(button(QStringLiteral("Btn_Engineer_1"))->isHidden());
    EXPECT_TRUE(button(QStringLiteral("Btn_Engineer_6"))->isHidden());
    window.Btn_Engineer_0Click();
    EXPECT_EQ(visibleGroup(), 6);
    EXPECT_EQ(window.size(), QSize(1076, 640));
    // A language switch keeps the engineer page alone and at its size.
    window.switchLanguage(2);
    EXPECT_EQ(visibleGroup(), 6);
    EXPECT_EQ(window.size(), QSize(1076, 640));
    window.Btn_Main_0Click();
    EXPECT_EQ(visibleGroup(), 1);
    EXPECT_EQ(window.size(), QSize(1030, 662));
}

TEST_F(PageBarTest, LanguageSwitchShowsTheCurrentPageAgain) {
    readMouse();
    click(QStringLiteral("Btn_Adv_1"));
    window.switchLanguage(3);
    EXPECT_EQ(visibleGroup(), 2);
    EXPECT_TRUE(shows(QStringLiteral("Img_P2"), language_image(3, "Back2").c_str()));
    EXPECT_EQ(button(QStringLiteral("Btn_Adv_2"))->text(), QStringLiteral("Advanced"));
}

TEST_F(PageBarTest, WithoutAMouseThePageButtonsOnlySayTheyAreLooking) {
    window.Btn_Adv_0Click();
    window.switchLanguage(3);
    window.Btn_Macro_0Click();
    EXPECT_EQ(messages.plain, (QStringList{QString::fromUtf8("正在查找指定设备"),
                                           QStringLiteral("Finding the specified device")}));
    EXPECT_EQ(messages.captions.last(), window.applicationTitle());
    EXPECT_EQ(visibleGroup(), 1);
    EXPECT_EQ(window.currentPage(), Page::office);
}

TEST_F(PageBarTest, WithTheNoDeviceFlagSetThePageButtonsAreInert) {
    mouse.connection().handle = std::make_unique<SimulatedMouse>();
    ASSERT_TRUE(window.noDevice());
    window.Btn_Breath_0Click();
    EXPECT_EQ(visibleGroup(), 1);
    EXPECT_TRUE(messages.texts.isEmpty());
    // Leaving a page button selects no page button either.
    enter(QStringLiteral("Btn_Adv_1"));
    leave(QStringLiteral("Btn_Adv_1"));
    EXPECT_TRUE(shows(QStringLiteral("Img_Adv_1"), "SetS_01"));
}

TEST_F(PageBarTest, HoveringApplyOnPageTwoHighlightsAllFourCopies) {
    readMouse();
    click(QStringLiteral("Btn_Adv_1"));
    enter(QStringLiteral("Btn_Apply_2"));
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_TRUE(shows(QStringLiteral("Img_Apply_%1").arg(copy), "BtnS_02")) << copy;
    }
    leave(QStringLiteral("Btn_Apply_2"));
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_TRUE(shows(QStringLiteral("Img_Apply_%1").arg(copy), "BtnS_01")) << copy;
    }
}

TEST_F(PageBarTest, LeavingSaveOnTheLightPageReselectsLight) {
    readMouse();
    click(QStringLiteral("Btn_Breath_1"));
    enter(QStringLiteral("Btn_Save_3"));
    EXPECT_TRUE(shows(QStringLiteral("Img_Save_3"), "SetS_02"));
    EXPECT_TRUE(shows(QStringLiteral("Img_Save_1"), "SetS_01"));
    leave(QStringLiteral("Btn_Save_3"));
    EXPECT_TRUE(shows(QStringLiteral("Img_Save_3"), "SetS_01"));
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_TRUE(shows(QStringLiteral("Img_Breath_%1").arg(copy), "SetS_03")) << copy;
    }
}

TEST_F(PageBarTest, HoveredCaptionRollsAndComesBack) {
    window.layoutOptions().tr_enable = true;
    window.switchLanguage(3);
    const QString apply = QStringLiteral("Btn_Apply_1");
    ASSERT_EQ(button(apply)->text(), QStringLiteral("Apply"));
    enter(apply);
    EXPECT_TRUE(window.labelRun().isActive());
    EXPECT_EQ(window.labelRun().interval(), 200);
    window.LabelRunTimer();
    EXPECT_EQ(button(apply)->text(), QStringLiteral("pply    A"));
    window.LabelRunTimer();
    EXPECT_EQ(button(apply)->text(), QStringLiteral("ply    Ap"));
    for (int tick = 3; tick <= 25; ++tick) window.LabelRunTimer();
    EXPECT_EQ(button(apply)->text().size(), 9);
    leave(apply);
    EXPECT_FALSE(window.labelRun().isActive());
    EXPECT_EQ(button(apply)->text(), QStringLiteral("Apply"));
}

TEST_F(PageBarTest, CaptionsStayStillWithoutRolling) {
    window.switchLanguage(3);
    enter(QStringLiteral("Btn_Read_1"));
    EXPECT_FALSE(window.labelRun().isActive());
    leave(QStringLiteral("Btn_Read_1"));
    EXPECT_EQ(button(QStringLiteral("Btn_Read_1"))->text(), QStringLiteral("Read"));
}

TEST_F(PageBarTest, DeviceButtonsWithoutAMouseShowThePressedImageAndTheNotice) {
    window.switchLanguage(3);
    window.Btn_Apply_0Click();
    window.Btn_Read_0Click();
    window.Btn_Confirm2_1Click();
    window.Btn_Save_0Click();
    for (int copy = 1; copy <= 4; ++copy) {
        EXPECT_TRUE(shows(QStringLiteral("Img_Apply_%1").arg(copy), "BtnS_03"));
        EXPECT_TRUE(shows(QStringLiteral("Img_Save_%1").arg(copy), "SetS_03"));
    }
    EXPECT_EQ(messages.plain.size(), 4);
    EXPECT_EQ(messages.plain.last(), QStringLiteral("Finding the specified device"));
    EXPECT_EQ(simulated->eeprom(), simulated_start_image());
}

TEST_F(PageBarTest, ApplyWritesThePagesIntoTheMouse) {
    readMouse();
    window.Btn_Confirm3_1Click();  // preset 3 shown and written
    const Eeprom written = simulated->eeprom();
    EXPECT_NE(written, simulated_start_image());
    window.Btn_Apply_0Click();
    EXPECT_EQ(simulated->eeprom(), written);
    EXPECT_TRUE(
        std::equal(written.begin(), written.end(), window.configuration().data_buf.begin()));
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(window.overlay(1)->isHidden());
    EXPECT_TRUE(window.devTimer().isActive());
}

TEST_F(PageBarTest, SaveThenLoadGoesThroughTheFileDialogs) {
    QTemporaryDir dir;
    FixedFileDialogs files;
    window.setFileDialogs(&files);
    readMouse();
    files.answer = dir.filePath(QStringLiteral("mine"));
    window.Btn_Save_0Click();
    QFile saved(dir.filePath(QStringLiteral("mine.bin")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    ASSERT_EQ(bytes.size(), 2048);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0x7F]), 0x98);

    window.Btn_Confirm2_1Click();  // something else in the mouse
    files.answer = saved.fileName();
    window.Btn_Load_0Click();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(simulated->eeprom().data()), 2048), bytes);
    EXPECT_EQ(files.filters, (QStringList{MainWindow::kSaveFilter, MainWindow::kLoadFilter}));
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(PageBarTest, ProfileOfAnotherTypeIsRefusedInTheMessageBox) {
    QTemporaryDir dir;
    QFile foreign(dir.filePath(QStringLiteral("foreign.bin")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    QByteArray image(2048, '\0');
    image[0x7F] = 0x35;
    foreign.write(image);
    foreign.close();
    FixedFileDialogs files;
    files.answer = foreign.fileName();
    window.setFileDialogs(&files);
    readMouse();
    window.switchLanguage(3);
    window.Btn_Load_0Click();
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("KRVM640Data.bin file type error")});
    EXPECT_EQ(messages.captions, QStringList{window.applicationTitle()});
    EXPECT_EQ(simulated->eeprom(), simulated_start_image());
}

TEST_F(PageBarTest, CancelledDialogChangesNothing) {
    FixedFileDialogs files;
    window.setFileDialogs(&files);
    readMouse();
    window.Btn_Load_0Click();
    window.Btn_Save_0Click();
    EXPECT_EQ(files.filters.size(), 2);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(simulated->eeprom(), simulated_start_image());
}

TEST(QtNameFilter, TurnsDescriptionPatternPairsIntoQtFilters) {
    EXPECT_EQ(qtNameFilter(QStringLiteral("SaveFile(*.bin)|*.bin")),
              QStringLiteral("SaveFile(*.bin)"));
    EXPECT_EQ(qtNameFilter(QStringLiteral("Profiles|*.bin;*.dat|All|*")),
              QStringLiteral("Profiles (*.bin *.dat);;All (*)"));
    EXPECT_EQ(qtNameFilter(QStringLiteral("broken")), QString());
}

}  // namespace
}  // namespace krvm
