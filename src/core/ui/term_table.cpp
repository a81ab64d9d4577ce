#include "core/ui/term_table.h"

namespace krvm {

namespace {

constexpr int kLocaleTaiwan = 1028;
constexpr int kLocaleHongKong = 3076;
constexpr int kLocaleEnglishUs = 1033;

constexpr std::array<TTerm, kTermCount> kTerms = {{
    {0, {"Office Mode", "", "办公模式"}},
    {1, {"Gaming Mode", "", "游戏模式"}},
    {2, {"Advanced", "", "高级设置"}},
    {3, {"Breathing Light", "", "灯光控制"}},
    {4, {"Macro", "", "宏定义"}},
    {5, {"Engineer Mode", "", "工程模式"}},
    {6, {"Load", "", "加载配置"}},
    {7, {"Save", "", "保存配置"}},
    {8, {"Test Keys Position", "", "测试按键位置"}},
    {9, {"Default", "", "恢复默认值"}},
    {10, {"Apply", "", "写入设备"}},
    {11, {"Import Base Macro", "", "导入普通宏"}},
    {12, {"Import Fire Macro", "", "导入压枪宏"}},
    {13, {"Operation", "", "操作人员界面"}},
    {14, {"Engineer", "", "工程人员界面"}},
    {15, {"LED Type", "", "LED类型"}},
    {16, {"Nor LED", "", "智控灯"}},
    {17, {"MCU LED", "", "流光灯"}},
    {18, {"LED Status", "", "LED工作状态"}},
    {19, {"On", "", "打开"}},
    {20, {"Off", "", "关闭"}},
    {21, {"LED Switch(M+CPI)", "", "LED灯开关切换(M+CPI)"}},
    {22, {"Fire Function", "", "压枪功能"}},
    {23, {"Fn+Left Key", "", "Fn+左键"}},
    {24, {"Left Key", "", "左键"}},
    {25, {"Fire Mode", "", "连击模式"}},
    {26, {"Fire Count:", "", "连击次数:"}},
    {27, {"Fire Time:", "", "间隔时间:"}},
    {28, {"LED Mode(L+CPI)", "", "LED灯模式切换(L+CPI)"}},
    {29, {"MCU LED Ligth Mode", "", "MCU LED灯亮度模式"}},
    {30, {"All Ligth", "", "流光全亮"}},
    {31, {"Half Ligth", "", "流光半亮"}},
    {32, {"Nor LED Mode", "", "智控灯工作模式"}},
    {33, {"CPI Breath", "", "CPI呼吸"}},
    {34, {"Nor LED Breath Setting", "", "智控灯效配置"}},
    {35, {"Breath Step:", "", "呼吸速率:"}},
    {36, {"Nor LED CPI Color Setting", "", "智控灯各档CPI对应颜色设定"}},
    {37, {"Red", "", "红色"}},
    {38, {"Green", "", "绿色"}},
    {39, {"Yellow", "", "黄色"}},
    {40, {"Blue", "", "蓝色"}},
    {41, {"Purple", "", "紫色"}},
    {42, {"Cyan", "", "青色"}},
    {43, {"White", "", "白色"}},
    {44, {"MCU LED CPI Color Setting", "", "MCU LED灯各档CPI对应颜色设定"}},
    {45, {"Vendor ID:", "", "厂商编码:"}},
    {46, {"Product ID:", "", "产品编码:"}},
    {47, {"MCU LED Setting", "", "MCU LED灯工作模式"}},
    {48, {"LED Number:", "", "灯数量:"}},
    {49, {"Current Mode:", "", "当前模式:"}},
    {50, {"Mode 1", "", "模式1"}},
    {51, {"Mode 2", "", "模式2"}},
    {52, {"Mode 3", "", "模式3"}},
    {53, {"Mode 4", "", "模式4"}},
    {54, {"Mode 5", "", "模式5"}},
    {55, {"Mode 6", "", "模式6"}},
    {56, {"Mode 7", "", "模式7"}},
    {57, {"LED Step:", "", "当前速率:"}},
    {58, {"Key Mode Color Setting", "", "各档按键模式对应颜色设定"}},
    {59, {"Mode1 R:", "", "模式1 R:"}},
    {60, {"Mode1 G:", "", "模式1 G:"}},
    {61, {"Mode1 B::", "", "模式1 B:"}},
    {62, {"Mode2 R:", "", "模式2 R:"}},
    {63, {"Mode2 G:", "", "模式2 G:"}},
    {64, {"Mode2 B:", "", "模式2 B:"}},
    {65, {"Switch Key Mode", "", "按键模式切换方式"}},
    {66, {"Press Middle Key", "", "中键长按"}},
    {67, {"Press CPI Key", "", "CPI长按"}},
    {68, {"Press Gun Key", "", "枪键长按"}},
    {69, {"Is Save Key Mode", "", "是否保存按键模式"}},
    {70, {"Save", "", "保存"}},
    {71, {"No Save", "", "不保存"}},
    {72, {"Sensor Ori:", "", "Sensor角度:"}},
    {73, {"0°", "", "0°"}},
    {74, {"90°", "", "90°"}},
    {75, {"180°", "", "180°"}},
    {76, {"270°", "", "270°"}},
    {77, {"X Reverse", "", "X镜面反向"}},
    {78, {"Y Reverse", "", "Y镜面反向"}},
    {79, {"XY Swap XY Reverse", "", "XY互换XY取反"}},
    {80, {"XY Swap XY NoReverse", "", "XY互换XY不取反"}},
    {81, {"CPI", "", "CPI"}},
    {82, {"CPI Steps:", "", "CPI段数:"}},
    {83, {"Current CPI:", "", "当前档位:"}},
    {84, {"CPI 1:", "", "CPI 1值:"}},
    {85, {"CPI 2:", "", "CPI 2值:"}},
    {86, {"CPI 3:", "", "CPI 3值:"}},
    {87, {"CPI 4:", "", "CPI 4值:"}},
    {88, {"CPI 5:", "", "CPI 5值:"}},
    {89, {"CPI 6:", "", "CPI 6值:"}},
    {90, {"CPI 7:", "", "CPI 7值:"}},
    {91, {"AIM Key:", "", "瞄准键键值:"}},
    {92, {"Key Mode:", "", "按键模式:"}},
    {93, {"Key Mode1", "", "按键模式1"}},
    {94, {"Key Mode2", "", "按键模式2"}},
    {95, {"Gun Parameter Setting", "", "枪键参数配置"}},
    {96, {"Gun Start Index:", "", "枪键起始位置:"}},
    {97, {"Gun Stop Index:", "", "枪键结束位置:"}},
    {98, {"Add Gun", "", "新增枪键"}},
    {99, {"Delect Gun", "", "删除枪键"}},
    {100, {"MCU LED Mode Select", "", "MCU LED工作模式选择"}},
    {101, {"Fire Macro Color Setting", "", "压枪宏定义颜色设定"}},
    {102, {"Macro1 R:", "", "压枪宏1 R:"}},
    {103, {"Macro1 G:", "", "压枪宏1 G:"}},
    {104, {"Macro1 B:", "", "压枪宏1 B:"}},
    {105, {"Macro2 R:", "", "压枪宏2 R:"}},
    {106, {"Macro2 G:", "", "压枪宏2 G:"}},
    {107, {"Macro2 B:", "", "压枪宏2 B:"}},
    {108, {"Macro3 R:", "", "压枪宏3 R:"}},
    {109, {"Macro3 G:", "", "压枪宏3 G:"}},
    {110, {"Macro3 B:", "", "压枪宏3 B:"}},
    {111, {"Macro4 R:", "", "压枪宏4 R:"}},
    {112, {"Macro4 G:", "", "压枪宏4 G:"}},
    {113, {"Macro4 B:", "", "压枪宏4 B:"}},
    {114, {"Macro5 R:", "", "压枪宏5 R:"}},
    {115, {"Macro5 G:", "", "压枪宏5 G:"}},
    {116, {"Macro5 B:", "", "压枪宏5 B:"}},
    {117, {"Macro6 R:", "", "压枪宏6 R:"}},
    {118, {"Macro6 G:", "", "压枪宏6 G:"}},
    {119, {"Macro6 B:", "", "压枪宏6 B:"}},
    {120, {"Macro7 R:", "", "压枪宏7 R:"}},
    {121, {"Macro7 G:", "", "压枪宏7 G:"}},
    {122, {"Macro7 B:", "", "压枪宏7 B:"}},
    {123, {"Macro8 R:", "", "压枪宏8 R:"}},
    {124, {"Macro8 G:", "", "压枪宏8 G:"}},
    {125, {"Macro8 B:", "", "压枪宏8 B:"}},
    {126, {"Macro9 R:", "", "压枪宏9 R:"}},
    {127, {"Macro9 G:", "", "压枪宏9 G:"}},
    {128, {"Macro9 B:", "", "压枪宏9 B:"}},
    {129, {"Macro10 R:", "", "压枪宏10 R:"}},
    {130, {"Macro10 G:", "", "压枪宏10 G:"}},
    {131, {"Macro10 B:", "", "压枪宏10 B:"}},
    {132, {"Fire Macro Y Offset", "", "压枪宏定义Y轴偏移量"}},
    {133, {"Macro1 Y Offset:", "", "压枪宏1 Y偏移量:"}},
    {134, {"Macro2 Y Offset:", "", "压枪宏2 Y偏移量:"}},
    {135, {"Macro3 Y Offset:", "", "压枪宏3 Y偏移量:"}},
    {136, {"Macro4 Y Offset:", "", "压枪宏4 Y偏移量:"}},
    {137, {"Macro5 Y Offset:", "", "压枪宏5 Y偏移量:"}},
    {138, {"Macro6 Y Offset:", "", "压枪宏6 Y偏移量:"}},
    {139, {"Macro7 Y Offset:", "", "压枪宏7 Y偏移量:"}},
    {140, {"Macro8 Y Offset:", "", "压枪宏8 Y偏移量:"}},
    {141, {"Macro9 Y Offset:", "", "压枪宏9 Y偏移量:"}},
    {142, {"Macro10 Y Offset:", "", "压枪宏10 Y偏移量:"}},
    {143, {"Notes: ", "", "注释: "}},
}};

}  // namespace

std::span<const TTerm> term_records() {
    return kTerms;
}

std::string_view term(int id, int engineer_language) {
    if (engineer_language < 0 || engineer_language > 2) return {};
    for (const TTerm& t : kTerms) {
        if (t.id == id) return t.texts[static_cast<std::size_t>(engineer_language)];
    }
    return {};
}

int engineer_language_for_locale(int locale_id) {
    return locale_id == kLocaleChinesePrc ? 2 : 0;
}

int locale_id_from_name(std::string_view posix_name) {
    const std::string_view base = posix_name.substr(0, posix_name.find_first_of(".@"));
    if (base == "zh_CN") return kLocaleChinesePrc;
    if (base == "zh_TW") return kLocaleTaiwan;
    if (base == "zh_HK") return kLocaleHongKong;
    return kLocaleEnglishUs;
}

std::string_view engineer_font(int engineer_language) {
    return engineer_language == 1 ? "Microsoft JhengHei" : "MS Sans Serif";
}

}  // namespace krvm
