#include "gui/ui/language_applier.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include "gui/ui/engineer_language.h"
#include "gui/ui/font_resolver.h"

namespace krvm::gui {
namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

bool drawsAll(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    for (const QChar c : text) {
        if (!c.isSpace() && !metrics.inFont(c)) return false;
    }
    return true;
}

TEST(LanguageApplier, SwitchesCaptionsAndKeepsMacroNames) {
    QWidget root;
    QLabel* confirm = label(&root, QStringLiteral("Btn_Confirm_4"));
    QLabel* key1 = label(&root, QStringLiteral("Key1"), QStringLiteral("左键"));
    QLabel* key2 = label(&root, QStringLiteral("Key2"), QStringLiteral("My Macro"));
    auto* insert = new QComboBox(&root);
    insert->setObjectName(QStringLiteral("CB_Insert"));
    insert->addItems(QStringList(10, QStringLiteral("x")));
    insert->setCurrentIndex(6);
    auto* engineer = new QWidget(&root);
    engineer->setObjectName(QStringLiteral("gbPage6"));
    QLabel* term = label(engineer, QStringLiteral("lbl_Vendor"), QStringLiteral("Vendor ID:"));
    const QString engineerFamily = term->font().family();

    const AppliedLanguage english = LanguageApplier::apply(&root, 3);
    EXPECT_EQ(confirm->text(), QStringLiteral("Confirm"));
    EXPECT_EQ(key1->text(), QStringLiteral("Left Key"));
    EXPECT_EQ(key2->text(), QStringLiteral("My Macro"));
    EXPECT_EQ(insert->count(), 10);
    EXPECT_EQ(insert->currentIndex(), 6);
    EXPECT_EQ(insert->itemText(6), QStringLiteral("Insert X axis Front"));
    EXPECT_EQ(english.kept.title, "Ardenvel Gaming Mouse");
    EXPECT_EQ(term->font().family(), engineerFamily);
    EXPECT_TRUE(english.missing.contains(QStringLiteral("Btn_Apply_1")));

    const AppliedLanguage chinese = LanguageApplier::apply(&root, 1);
    EXPECT_EQ(confirm->text(), QStringLiteral("确认"));
    EXPECT_EQ(key1->text(), QStringLiteral("左键"));
    EXPECT_EQ(chinese.kept.text("Str020"), "正在查找指定设备");
    EXPECT_EQ(confirm->font().family(), chinese.font.family());
}

struct FontCase {
    const char* family;
    const char* sample;
};

class ResolvedFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(ResolvedFont, DrawsTheLanguagesCharacters) {
    const QString sample = QString::fromUtf8(GetParam().sample);
    const QFont font = FontResolver::resolve(QString::fromLatin1(GetParam().family), sample);
    EXPECT_TRUE(drawsAll(font, sample))
        << GetParam().family << " -> " << font.family().toStdString();
}

INSTANTIATE_TEST_SUITE_P(TableFonts, ResolvedFont,
                         ::testing::Values(FontCase{"Microsoft YaHei", "左键设置灯光控制"},
                                           FontCase{"Microsoft JhengHei", "左鍵設置燈光控制"},
                                           FontCase{"Arial Narrow", "Office Mode"},
                                           FontCase{"MS Sans Serif", "Vendor ID:"}));

TEST(EngineerLanguage, FollowsTheSystemLocaleNotTheLanguageButtons) {
    EXPECT_EQ(engineerLanguage(QLocale(QLocale::Chinese, QLocale::China)), 2);
    EXPECT_EQ(engineerLanguage(QLocale(QLocale::Chinese, QLocale::Taiwan)), 0);
    EXPECT_EQ(engineerLanguage(QLocale(QLocale::English, QLocale::UnitedStates)), 0);
}

}  // namespace
}  // namespace krvm::gui
