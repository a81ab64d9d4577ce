#include "gui/ui/layout_engine.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <iostream>

#include "core/ui/layout.h"
#include "core/ui/layout_ini.h"

namespace krvm::gui {
namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

LayoutPlan embeddedPlan(int language, Page page) {
    Result<Layout> layout = load_layout(language);
    EXPECT_TRUE(layout.ok());
    return plan_layout(*layout, LayoutOptions{}, page);
}

TEST(LayoutEngine, AppliesTheFamiliesRulesToNamedWidgets) {
    QWidget root;
    QLabel* img7 = label(&root, QStringLiteral("Img_Key7"));
    QLabel* key7 = label(&root, QStringLiteral("Key7"));
    QLabel* key1 = label(&root, QStringLiteral("Key1"));
    QLabel* mainLabel = label(&root, QStringLiteral("Btn_Main_3"));
    QLabel* mainImage = label(&root, QStringLiteral("Img_Main_3"));  // created above its label
    auto* edit = new QLineEdit(&root);
    edit->setObjectName(QStringLiteral("Edt_Repeat1"));
    const QStringList missing =
        LayoutEngine::apply(&root, embeddedPlan(1, Page::office).placements);
    EXPECT_TRUE(img7->isHidden());
    EXPECT_TRUE(key7->isHidden());
    EXPECT_FALSE(key1->isHidden());
    EXPECT_EQ(key1->geometry(), QRect(280, 120, 170, 27));
    EXPECT_EQ(key1->font().pointSize(), 10);
    EXPECT_EQ(mainImage->pos(), QPoint(28, 96));
    EXPECT_EQ(mainLabel->geometry(), QRect(38, 96, 96, 30));  // notch margins 10 and 4
    EXPECT_EQ(root.childAt(QPoint(60, 110)), mainLabel);      // the label takes the clicks
    EXPECT_EQ(edit->pos(), QPoint(700, 404));
    EXPECT_TRUE(edit->styleSheet().contains(QStringLiteral("background-color: #14171c")));
    EXPECT_TRUE(edit->styleSheet().contains(QStringLiteral("border: 1px solid #3c4450")));
    EXPECT_FALSE(missing.contains(QStringLiteral("Key7")));
    EXPECT_TRUE(missing.contains(QStringLiteral("Btn_FireConfirm")));
    EXPECT_EQ(missing.count(QStringLiteral("Btn_FireConfirm")), 1);
}

TEST(LayoutEngine, BarSpacingAndReversedNumbers) {
    QWidget root;
    QLabel* image3 = label(&root, QStringLiteral("Img_MCULEDNum_3"));
    QLabel* first = label(&root, QStringLiteral("lbl_MCULEDNum_10"));
    const Layout layout(
        1, parse_layout_text("[org1]\nMCULEDNum_X=100\nMCULEDNum_Y=40\nMCULEDNum_D=5\n"));
    LayoutOptions options;
    options.num_order = 1;
    LayoutEngine::apply(&root, plan_layout(layout, options, Page::light).placements);
    EXPECT_EQ(image3->pos(), QPoint(162, 40));
    EXPECT_EQ(first->pos(), QPoint(104, 64));
}

TEST(LayoutEngine, MenuPanelsSizeTheirItemsAndArrows) {
    QWidget root;
    auto* panel = new QWidget(&root);
    panel->setObjectName(QStringLiteral("Pnl_Main"));
    QLabel* item = label(panel, QStringLiteral("Key_Standard"), QStringLiteral("Standard"));
    QLabel* arrow = label(panel, QStringLiteral("lbl_Arrow1"), QStringLiteral(">>"));
    LayoutEngine::apply(&root, embeddedPlan(3, Page::office).placements);
    EXPECT_EQ(panel->width(), 170);
    EXPECT_EQ(item->width(), 166);
    EXPECT_EQ(arrow->x(), 146);
    EXPECT_EQ(item->font().pointSize(), 9);
}

// The window does not have every page yet: this lists the controls the layouts place that no
// widget carries, so it is plain which pages still have to come.
TEST(LayoutEngine, ListsControlsNoWidgetCarries) {
    QWidget root;
    const LayoutPlan plan = embeddedPlan(1, Page::game);
    const QStringList missing = LayoutEngine::apply(&root, plan.placements);
    EXPECT_FALSE(missing.isEmpty());
    for (const Placement& p : plan.placements) {
        EXPECT_TRUE(missing.contains(QString::fromStdString(p.control))) << p.control;
    }
    std::cout << "Controls the layout places that the window lacks (" << missing.size() << "):\n  "
              << missing.join(QStringLiteral(" ")).toStdString() << "\n";
}

}  // namespace
}  // namespace krvm::gui
