#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "core/resources/embedded.h"
#include "core/ui/skin_images.h"
#include "gui/ui/loading_animation.h"
#include "gui/ui/skin_loader.h"
#include "gui/ui/skin_pixmaps.h"

namespace krvm::gui {
namespace {

TEST(SkinImages, EveryImageIsEmbeddedAtItsSize) {
    for (const SkinImage& image : skin_images()) {
        const auto bytes = resources::find(image.name);
        ASSERT_TRUE(bytes.has_value()) << image.name;
        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "PNG"))
            << image.name;
        EXPECT_EQ(decoded.width(), image.width) << image.name;
        EXPECT_EQ(decoded.height(), image.height) << image.name;
    }
    EXPECT_EQ(skinPixmap(QStringLiteral("btns_01")).size(), QSize(110, 27));  // any case
    EXPECT_TRUE(skinPixmap(QStringLiteral("NoSuchImage")).isNull());
}

TEST(SkinImages, StatesOfAButtonDiffer) {
    for (const char* base : {"BtnS", "SetS", "MacroS", "MacroBtnS", "ExitS", "WebS"}) {
        const QImage normal = skinPixmap(QString(base) + "_01").toImage();
        const QImage hover = skinPixmap(QString(base) + "_02").toImage();
        const QImage pressed = skinPixmap(QString(base) + "_03").toImage();
        EXPECT_NE(normal, hover) << base;
        EXPECT_NE(hover, pressed) << base;
        EXPECT_NE(normal, pressed) << base;
    }
}

// A window skeleton with the controls the skin part touches.
struct Window {
    QWidget root;
    QLabel* add(const QString& name) {
        auto* label = new QLabel(&root);
        label->setObjectName(name);
        return label;
    }
};

TEST(SkinLoader, StartupLoadGivesTheWindowTheBackgroundsSize) {
    Window w;
    QLabel* base = w.add(QStringLiteral("Img_Base_1"));
    QLabel* overlay = w.add(QStringLiteral("Disable_All_3"));
    QLabel* main = w.add(QStringLiteral("Img_Main_2"));
    QLabel* adv = w.add(QStringLiteral("Img_Adv_2"));
    QLabel* gun1 = w.add(QStringLiteral("Img_Fire1"));
    const QSize size = SkinLoader::loadStartupImages(&w.root, Page::office);
    EXPECT_EQ(size, QSize(1030, 662));
    EXPECT_EQ(base->size(), size);
    EXPECT_EQ(overlay->size(), size);
    EXPECT_EQ(main->pixmap().toImage(), skinPixmap(QStringLiteral("SetS_03")).toImage());
    EXPECT_EQ(adv->pixmap().toImage(), skinPixmap(QStringLiteral("SetS_01")).toImage());
    EXPECT_EQ(gun1->pixmap().toImage(), skinPixmap(QStringLiteral("Gun1_02")).toImage());
}

TEST(SkinLoader, RefreshLoadsTheLanguagesPicturesThenItsLayout) {
    Window w;
    QLabel* base5 = w.add(QStringLiteral("Img_Base_5"));
    QLabel* p1 = w.add(QStringLiteral("Img_P1"));
    QLabel* p3 = w.add(QStringLiteral("Img_P3"));
    QLabel* p5 = w.add(QStringLiteral("Img_P5"));
    const SkinRefresh refresh = SkinLoader::refreshSkin(&w.root, 2, Page::light, LayoutOptions{});
    EXPECT_TRUE(refresh.layoutLoaded);
    EXPECT_EQ(refresh.baseSize, QSize(1030, 662));
    EXPECT_EQ(base5->pixmap().toImage(), skinPixmap(QStringLiteral("L2_BackGround")).toImage());
    EXPECT_TRUE(p1->pixmap().isNull());  // the key page is not current
    EXPECT_EQ(p3->pixmap().toImage(), skinPixmap(QStringLiteral("L2_Back3")).toImage());
    EXPECT_EQ(p5->size(), QSize(720, 650));
    EXPECT_EQ(p3->pos(), QPoint(190, 96));  // P3_X, P3_Y of ORG2
    EXPECT_EQ(refresh.kept.macro_name_height, 20);
    EXPECT_FALSE(refresh.missing.contains(QStringLiteral("Img_P3")));
    EXPECT_TRUE(refresh.missing.contains(QStringLiteral("Key1")));
}

TEST(LoadingAnimation, CyclesThroughItsFrames) {
    LoadingAnimation animation;
    ASSERT_EQ(animation.frameCount(), kLoadingFrames);
    EXPECT_EQ(animation.pixmap().size(), QSize(kLoadingFrameWidth, kLoadingFrameHeight));
    const QImage first = animation.pixmap().toImage();
    animation.showFrame(kLoadingFrames + 1);
    EXPECT_EQ(animation.currentFrame(), 1);
    EXPECT_NE(animation.pixmap().toImage(), first);
}

}  // namespace
}  // namespace krvm::gui
