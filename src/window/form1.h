// Form1, the program's only window, described once as data. The Qt and the
// Win32 front ends both build their window from this description, so the two
// programs cannot drift apart. Geometry is in twips (1/1440 inch).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
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
inline constexpr std::u16string_view kSongFamily = u"宋体";
inline constexpr FontSpec kSong12{kSongFamily, 120, kGb2312Charset, kNormalWeight};
inline constexpr FontSpec kSong10_5{kSongFamily, 105, kGb2312Charset, kNormalWeight};

// Where 宋体 is missing, as on every machine but Windows: the same face
// under its Latin name, then the Song faces other systems ship (Linux,
// Android, macOS), in that order.
inline constexpr std::array<std::u16string_view, 5> kSongFallbacks = {
    u"SimSun", u"Noto Serif CJK SC", u"Source Han Serif SC", u"AR PL UMing CN", u"Songti SC"};

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
    // Of a label: the text box it names, for screen readers.
    std::string_view labels = {};
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
        {"Command1", ControlKind::kButton, u"生成大写", 5400, 120, 1215, 375, 4, kSong10_5,
         Command::kGenerate},
        {"Text1", ControlKind::kTextBox, u"123456.78", 1200, 120, 3855, 390, 3, kSong12, Command::kNone},
        {"Text2", ControlKind::kTextBox, u"", 1200, 773, 4575, 375, 1, kSong12, Command::kNone},
        {"Command2", ControlKind::kButton, u"复制", 6000, 720, 615, 495, 0, kSong10_5, Command::kCopy},
        {"Label2", ControlKind::kLabel, u"输入数字:", 120, 165, 1080, 345, 5, kSong12, Command::kNone,
         "Text1"},
        {"Label3", ControlKind::kLabel, u"大写数字:", 120, 840, 1080, 240, 2, kSong12, Command::kNone,
         "Text2"},
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
inline constexpr int kDefaultDpi = 96;

// Twips to device pixels at `dpi`, rounded to nearest as MulDiv does.
constexpr int twipsToPixels(int twips, int dpi = kDefaultDpi)
{
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    bool operator==(const PixelRect&) const = default;
};

// Where a control lies in the client area at `dpi`.
constexpr PixelRect pixelRect(const ControlSpec& entry, int dpi = kDefaultDpi)
{
    return {twipsToPixels(entry.left, dpi), twipsToPixels(entry.top, dpi), twipsToPixels(entry.width, dpi),
            twipsToPixels(entry.height, dpi)};
}

inline constexpr std::size_t kControlCount = Form1.controls.size();

// The index in Form1.controls of the control called `name`, which is also
// where each front end keeps that control.
constexpr std::optional<std::size_t> controlIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (Form1.controls[i].name == name)
            return i;
    }
    return std::nullopt;
}

// The control called `name`; the description has no unknown names, so
// asking for one is a programming error that fails to compile when constant.
constexpr const ControlSpec& control(std::string_view name)
{
    if (const std::optional<std::size_t> index = controlIndex(name))
        return Form1.controls[*index];
    throw "no such control";
}

// The index of the label that names the text box called `textBox`.
constexpr std::optional<std::size_t> labelIndexFor(std::string_view textBox)
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (Form1.controls[i].kind == ControlKind::kLabel && Form1.controls[i].labels == textBox)
            return i;
    }
    return std::nullopt;
}

// A label's caption as the name of what it labels: without the colon.
constexpr std::u16string_view nameFromCaption(std::u16string_view caption)
{
    while (!caption.empty() && (caption.back() == u':' || caption.back() == u'：' || caption.back() == u' '))
        caption.remove_suffix(1);
    return caption;
}

// Names of the controls that take the focus, in tab order. Labels take none.
constexpr std::array<std::string_view, 4> tabOrder()
{
    std::array<std::string_view, 4> order{};
    std::size_t count = 0;
    for (int index = 0; index < static_cast<int>(kControlCount); ++index) {
        for (const ControlSpec& entry : Form1.controls) {
            if (entry.tabIndex == index && entry.kind != ControlKind::kLabel)
                order.at(count++) = entry.name;
        }
    }
    return order;
}

} // namespace qhj::window
