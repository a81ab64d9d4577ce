#include "gui/ui/skin_loader.h"

#include <QWidget>

#include "core/ui/layout.h"
#include "core/ui/skin_images.h"
#include "gui/ui/layout_engine.h"
#include "gui/ui/skin_pixmaps.h"

namespace krvm::gui {

namespace {

constexpr int kPageGroups = 4;
constexpr int kBackgroundGroups = 5;
constexpr int kBarSteps = 11;

QString lang(int language, const char* part) {
    return QString::fromStdString(language_image(language, part));
}

void showAll(QWidget* root, const QString& control, int copies, const QString& image) {
    for (int g = 1; g <= copies; ++g) showSkin(root, control + QString::number(g), image);
}

// A bar row with the first segment lit, as a fresh window shows it.
void barRow(QWidget* root, const QString& base, int count, const QString& lit,
            const QString& empty) {
    for (int i = 1; i <= count; ++i)
        showSkin(root, base + QString::number(i), i == 1 ? lit : empty);
}

void backgrounds(QWidget* root, int language, Page current) {
    showAll(root, QStringLiteral("Img_Base_"), kBackgroundGroups, lang(language, "BackGround"));
    if (current == Page::office || current == Page::game) {
        showSkin(root, QStringLiteral("Img_P1"), lang(language, "Back1"));
    } else {
        showSkin(root, SkinLoader::pictureControl(current),
                 lang(language, SkinLoader::picturePart(current).toLatin1().constData()));
    }
    showSkin(root, QStringLiteral("Img_P5"), lang(language, "Back5"));
}

}  // namespace

QString SkinLoader::pictureControl(Page page) {
    switch (page) {
        case Page::office:
        case Page::game:
            return QStringLiteral("Img_P1");
        case Page::advanced:
            return QStringLiteral("Img_P2");
        case Page::light:
            return QStringLiteral("Img_P3");
        case Page::fire:
            return QStringLiteral("Img_P5");
        case Page::macro:
        case Page::engineer:
            break;
    }
    return QStringLiteral("Img_P4");
}

QString SkinLoader::picturePart(Page page) {
    const QString control = pictureControl(page);
    return QStringLiteral("Back") + control.right(1);
}

QSize SkinLoader::loadStartupImages(QWidget* root, Page current) {
    const QString base = lang(1, "BackGround");
    const QSize size = skinPixmap(base).size();
    showSkin(root, QStringLiteral("Img_Base_1"), base);
    for (int g = 1; g <= kPageGroups; ++g) {
        if (auto* overlay = root->findChild<QWidget*>(QStringLiteral("Disable_All_%1").arg(g))) {
            overlay->resize(size);
        }
    }
    showAll(root, QStringLiteral("Img_Base_"), kBackgroundGroups, base);
    if (current == Page::office || current == Page::game) {
        showSkin(root, QStringLiteral("Img_P1"), lang(1, "Back1"));
    }
    for (int n = 2; n <= 5; ++n) {
        showSkin(root, QStringLiteral("Img_P%1").arg(n),
                 lang(1, QStringLiteral("Back%1").arg(n).toLatin1().constData()));
    }

    for (int g = 1; g <= kPageGroups; ++g) {
        const QString copy = QStringLiteral("_%1").arg(g);
        for (const char* name : {"Confirm", "Apply", "Read", "Confirm1", "Confirm2", "Confirm3"}) {
            showSkin(root, QStringLiteral("Img_") + name + copy, QStringLiteral("BtnS_01"));
        }
        showSkin(root, QStringLiteral("Img_Exit") + copy, QStringLiteral("ExitS_01"));
        showSkin(root, QStringLiteral("Img_Mini") + copy, QStringLiteral("MiniS_01"));
        showSkin(root, QStringLiteral("Img_Web") + copy, QStringLiteral("WebS_01"));
        for (const char* name :
             {"Second", "Adv", "Breath", "Macro", "Engineer", "Save", "Load", "Lang2", "Lang3"}) {
            showSkin(root, QStringLiteral("Img_") + name + copy, QStringLiteral("SetS_01"));
        }
        showSkin(root, QStringLiteral("Img_Main") + copy, QStringLiteral("SetS_03"));
        showSkin(root, QStringLiteral("Img_Lang1") + copy, QStringLiteral("SetS_03"));
    }
    for (int k = 1; k <= 9; ++k)
        showSkin(root, QStringLiteral("Img_Key%1").arg(k), QStringLiteral("KeyS_01"));

    // Checks and radios start off; the pages switch them on as the image is read.
    for (const char* name :
         {"Img_IsControl", "Img_IsScreen", "Img_FireRKFS1", "Img_FireRKFS2", "Img_FireRKFS3"}) {
        showSkin(root, QString::fromLatin1(name), QStringLiteral("CbS_D"));
    }
    for (int k = 1; k <= 7; ++k)
        showSkin(root, QStringLiteral("Img_DPI%1").arg(k), QStringLiteral("CbS_D"));
    for (const char* name : {"LEDOn",
                             "LEDOff",
                             "MCPIOn",
                             "MCPIOff",
                             "LCPIOn",
                             "LCPIOff",
                             "SaveKeyMode",
                             "NoSaveKeyMode",
                             "MCULED3Control",
                             "MCULED6Control",
                             "RecDelay",
                             "DelayTime",
                             "NoDelay",
                             "ReleaseStop",
                             "ReleaseContiue",
                             "InsertRecDelay",
                             "InsertDelayTime",
                             "InsertNoDelay",
                             "ComboKey1",
                             "ComboKey2",
                             "ComboKey3",
                             "FireReleaseStop",
                             "FireReleaseContiue"}) {
        showSkin(root, QStringLiteral("Img_") + name, QStringLiteral("RdS_D"));
    }
    for (int k = 1; k <= 7; ++k)
        showSkin(root, QStringLiteral("Img_MCULEDMode%1").arg(k), QStringLiteral("RdS_D"));

    for (const char* row : {"Img_Spd", "Img_DbSpd", "Img_ScrSpd"}) {
        barRow(root, QString::fromLatin1(row), kBarSteps, QStringLiteral("Bar1_E"),
               QStringLiteral("Bar1_D"));
    }
    barRow(root, QStringLiteral("Img_MCULEDNum_"), 10, QStringLiteral("Bar1_E"),
           QStringLiteral("Bar1_D"));
    barRow(root, QStringLiteral("Img_MCULEDStep_"), 8, QStringLiteral("Bar1_E"),
           QStringLiteral("Bar1_D"));
    for (int k = 1; k <= 7; ++k) {
        barRow(root, QStringLiteral("Img_DPI%1_").arg(k), kBarSteps, QStringLiteral("Bar2_E"),
               QStringLiteral("Bar2_D"));
        showSkin(root, QStringLiteral("Img_DPI%1Col").arg(k), QStringLiteral("Col_F"));
    }
    barRow(root, QStringLiteral("Img_AIMKey_"), kBarSteps, QStringLiteral("Bar2_E"),
           QStringLiteral("Bar2_D"));
    for (const char* name :
         {"Img_KeyMode1", "Img_KeyMode2", "Img_FireColor1", "Img_FireColor2", "Img_FireColor3"}) {
        showSkin(root, QString::fromLatin1(name), QStringLiteral("Col_F"));
    }

    for (const char* name : {"Img_New", "Img_Start", "Img_InsertStart", "Img_FireStart"}) {
        showSkin(root, QString::fromLatin1(name), QStringLiteral("MacroS_01"));
    }
    for (const char* name : {"Img_OK", "Img_Cancel", "Img_FireOK", "Img_FireCancel"}) {
        showSkin(root, QString::fromLatin1(name), QStringLiteral("MacroBtnS_01"));
    }
    showSkin(root, QStringLiteral("Img_FireConfirm"), QStringLiteral("BtnS_01"));
    showSkin(root, QStringLiteral("Img_FireExit"), QStringLiteral("BtnS_01"));
    for (int k = 1; k <= 7; ++k) {
        showSkin(root, QStringLiteral("Img_Fire%1").arg(k),
                 QStringLiteral("Gun%1_0%2").arg(k).arg(k == 1 ? 2 : 1));
    }
    for (int k = 1; k <= 5; ++k)
        showSkin(root, QStringLiteral("Img_GunMode%1").arg(k), QStringLiteral("GunMode%1").arg(k));
    showSkin(root, QStringLiteral("Img_FireDelay"), QStringLiteral("InsertDelayBase"));
    showSkin(root, QStringLiteral("Img_FireInsert"), QStringLiteral("InsertDelayBase"));
    showSkin(root, QStringLiteral("Img_InsertBase"), QStringLiteral("InsertKeyBase"));
    return size;
}

SkinRefresh SkinLoader::refreshSkin(QWidget* root, int language, Page current,
                                    const LayoutOptions& options) {
    SkinRefresh result;
    backgrounds(root, language, current);
    result.baseSize = skinPixmap(lang(language, "BackGround")).size();
    Result<Layout> layout = load_layout(language);
    if (!layout) return result;
    const LayoutPlan plan = plan_layout(*layout, options, current);
    result.kept = plan.kept;
    result.missing = LayoutEngine::apply(root, plan.placements);
    result.layoutLoaded = true;
    return result;
}

}  // namespace krvm::gui
