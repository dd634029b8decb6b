// Form1, the program's only window, described once as data. The Qt and the
// Win32 front ends both build their window from this description, so the two
// programs cannot drift apart. Geometry is in twips (1/1440 inch).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace qhj::window {

enum class ControlKind { kButton, kTextBox, kLabel };

// What a button or a menu item does when it is clicked.
enum class Command { kGenerate, kCopy, kNote, kAuthor, kQuit, kNone };

struct FontSpec {
    std::u16string_view family;
    int tenthsOfPoint;
    int charset; // 134: GB2312
    int weight;  // 400: normal
};

inline constexpr int kGb2312Charset = 134;
inline constexpr int kNormalWeight = 400;
inline constexpr FontSpec kSong12{u"宋体", 120, kGb2312Charset, kNormalWeight};
inline constexpr FontSpec kSong10_5{u"宋体", 105, kGb2312Charset, kNormalWeight};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::u16string_view text; // caption, or a text box's initial text
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    FontSpec font;
    Command command;
};

struct MenuItemSpec {
    std::string_view name;
    std::u16string_view caption;
    Command command;
};

struct MenuSpec {
    std::string_view name;
    std::u16string_view caption;
    std::array<MenuItemSpec, 3> items;
};

struct FormSpec {
    std::string_view name;
    std::u16string_view caption;
    int clientWidth;
    int clientHeight;
    std::array<ControlSpec, 6> controls; // in the window's own order
    MenuSpec menu;
};

inline constexpr FormSpec Form1{
    "Form1",
    u"青禾笺                          BY:墨桐青岚",
    6810,
    1350,
    {{
        {"Command1", ControlKind::kButton, u"生成大写", 5400, 120, 1215, 375, 4, kSong10_5, Command::kGenerate},
        {"Text1", ControlKind::kTextBox, u"123456.78", 1200, 120, 3855, 390, 3, kSong12, Command::kNone},
        {"Text2", ControlKind::kTextBox, u"", 1200, 773, 4575, 375, 1, kSong12, Command::kNone},
        {"Command2", ControlKind::kButton, u"复制", 6000, 720, 615, 495, 0, kSong10_5, Command::kCopy},
        {"Label2", ControlKind::kLabel, u"输入数字:", 120, 165, 1080, 345, 5, kSong12, Command::kNone},
        {"Label3", ControlKind::kLabel, u"大写数字:", 120, 840, 1080, 240, 2, kSong12, Command::kNone},
    }},
    {"help",
     u"帮助",
     {{
         {"note", u"使用说明", Command::kNote},
         {"copyr", u"软件作者", Command::kAuthor},
         {"exit", u"退出软件", Command::kQuit},
     }}},
};

inline constexpr int kTwipsPerInch = 1440;

// Twips to device pixels at `dpi`, rounded to nearest as MulDiv does.
constexpr int twipsToPixels(int twips, int dpi = 96)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

// The control called `name`; the description has no unknown names, so
// asking for one is a programming error that fails to compile when constant.
constexpr const ControlSpec& control(std::string_view name)
{
    for (const ControlSpec& entry : Form1.controls) {
        if (entry.name == name)
            return entry;
    }
    throw "no such control";
}

// Names of the controls that take the focus, in tab order. Labels take none.
constexpr std::array<std::string_view, 4> tabOrder()
{
    std::array<std::string_view, 4> order{};
    std::size_t count = 0;
    for (int index = 0; index < static_cast<int>(Form1.controls.size()); ++index) {
        for (const ControlSpec& entry : Form1.controls) {
            if (entry.tabIndex == index && entry.kind != ControlKind::kLabel)
                order.at(count++) = entry.name;
        }
    }
    return order;
}

} // namespace qhj::window
