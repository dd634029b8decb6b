// Writes the page's HTML, or its web app manifest, from Form1: the same
// controls, captions, geometry at 96 dpi, fonts and tab order as the
// desktop programs, each element under its described name. Run with Node at
// build time, so the page paints before any WebAssembly has loaded, and
// holds no copy of the description.
//
//   form1_page page|manifest
#include "runtime/runtime.h"
#include "version/version.h"
#include "window/form1.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using qhj::window::ControlKind;
using qhj::window::ControlSpec;
using qhj::window::Form1;
using qhj::window::twipsToPixels;

// `text` with every character that `plain` refuses written as `format`
// makes of its code point, so that neither markup nor the file's encoding
// can garble it.
template <typename Plain> std::string escaped(std::u16string_view text, Plain plain, const char* format)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c >= 0x20 && c < 0x80 && plain(static_cast<char>(c))) {
            out += static_cast<char>(c);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, format, static_cast<unsigned>(c));
            out += escape;
        }
    }
    return out;
}

// Text for HTML, attribute values included: character references.
std::string html(std::u16string_view text)
{
    return escaped(
        text, [](char c) { return c != '&' && c != '<' && c != '>' && c != '"'; }, "&#x%X;");
}

std::string html(std::string_view ascii)
{
    return std::string(ascii);
}

// JSON string contents: \u escapes count UTF-16 code units, not code
// points, so JSON takes its own loop.
std::string json(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c < 0x20 || c >= 0x80 || c == u'"' || c == u'\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// A quoted CSS string: inside <style>, character references mean nothing.
std::string css(std::u16string_view text)
{
    return "\""
        + escaped(
               text, [](char c) { return c != '"' && c != '\\' && c != '<'; }, "\\%X ")
        + "\"";
}

std::string songFamilies()
{
    std::string families = css(qhj::window::kSongFamily);
    for (const std::u16string_view family : qhj::window::kSongFallbacks)
        families += ", " + css(family);
    return families + ", serif";
}

std::string px(int twips)
{
    return std::to_string(twipsToPixels(twips)) + "px";
}

std::string fontSize(const ControlSpec& entry)
{
    const int tenths = entry.font.tenthsOfPoint;
    return std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "") + "pt";
}

int tabIndex(std::string_view name)
{
    const auto order = qhj::window::tabOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == name)
            return static_cast<int>(i) + 1;
    }
    return -1;
}

// The command a click runs, as the number the page hands to qhjClick.
std::string commandAttribute(qhj::window::Command command)
{
    return " data-command=\"" + std::to_string(static_cast<int>(command)) + "\"";
}

std::string control(const ControlSpec& entry)
{
    const std::string id = html(entry.name);
    const std::string style = "left:" + px(entry.left) + ";top:" + px(entry.top) + ";width:" + px(entry.width)
        + ";height:" + px(entry.height) + ";font-size:" + fontSize(entry);
    const std::string tab = " tabindex=\"" + std::to_string(tabIndex(entry.name)) + "\"";
    switch (entry.kind) {
    case ControlKind::kButton:
        return "<button type=\"button\" id=\"" + id + "\"" + commandAttribute(entry.command) + tab
            + " style=\"" + style + "\">" + html(entry.text) + "</button>";
    case ControlKind::kTextBox: {
        std::string name;
        if (const auto label = qhj::window::labelIndexFor(entry.name))
            name = " aria-label=\"" + html(qhj::window::nameFromCaption(Form1.controls[*label].text)) + "\"";
        // The figures box asks a phone for its decimal keypad.
        const std::string keypad = entry.name == "Text1" ? " inputmode=\"decimal\"" : "";
        return "<input type=\"text\" id=\"" + id + "\" value=\"" + html(entry.text)
            + "\" autocomplete=\"off\" spellcheck=\"false\"" + keypad + name + tab + " style=\"" + style
            + "\">";
    }
    case ControlKind::kLabel:
        return "<label id=\"" + id + "\" for=\"" + html(entry.labels) + "\" style=\"" + style + "\">"
            + html(entry.text) + "</label>";
    }
    return {};
}

void page()
{
    std::string out = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="color-scheme" content="light">
<title>)"
        + html(Form1.caption) +
        R"(</title>
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="qinghejian.svg" type="image/svg+xml">
<style>
html { font-family: )"
        + songFamilies() +
        R"(; }
body { margin: 0; min-height: 100vh; display: flex; align-items: center; justify-content: center;
       background: #3a6ea5; }
button, input, label { font-family: inherit; }
#Form1 { background: #f0f0f0; border: 1px solid #606060; box-shadow: 0 4px 16px rgba(0, 0, 0, .35); }
#caption { background: #0a246a; color: #fff; font-size: 9pt; line-height: 22px; padding: 0 6px;
           white-space: pre; overflow: hidden; user-select: none; }
#menubar { position: relative; height: 20px; border-bottom: 1px solid #d0d0d0; font-size: 9pt; }
#menubar button { border: 0; background: none; font-size: 9pt; height: 20px; padding: 0 8px; color: #000; }
#menubar button:hover, #menubar button:focus, #menubar button[aria-expanded="true"] {
    background: #316ac5; color: #fff; outline: none; }
#menu { position: absolute; top: 20px; left: 0; z-index: 1; display: flex; flex-direction: column;
        min-width: 110px; background: #fff; border: 1px solid #808080; box-shadow: 2px 2px 4px rgba(0, 0, 0, .3); }
#menu[hidden] { display: none; }
#menu button { text-align: left; height: 24px; padding: 0 20px; }
#client { position: relative; width: )"
        + px(Form1.clientWidth) + "; height: " + px(Form1.clientHeight) + R"(; }
#client > * { position: absolute; box-sizing: border-box; margin: 0; }
#client label { display: flex; align-items: center; user-select: none; }
#client input { border: 1px solid #7a7a7a; padding: 0 2px; background: #fff; color: #000; }
#client button { border: 1px solid #707070; border-radius: 2px; background: #e1e1e1; color: #000; padding: 0; }
#client button:active { background: #cce4f7; }
body.ended #Form1 { opacity: .5; filter: grayscale(1); }
dialog { padding: 0; border: 1px solid #606060; min-width: 200px; max-width: min(90vw, 640px);
         box-shadow: 0 4px 16px rgba(0, 0, 0, .35); font-size: 9pt; }
dialog::backdrop { background: transparent; }
#notice-title { background: #0a246a; color: #fff; line-height: 22px; padding: 0 6px; margin: 0; font-size: 9pt;
                font-weight: normal; }
#notice-body { display: flex; gap: 12px; align-items: flex-start; padding: 16px 18px 8px; }
#notice-icon { font-size: 24pt; line-height: 1; color: #c08000; }
#notice-icon[hidden] { display: none; }
#notice-prompt { margin: 0; white-space: pre-wrap; line-height: 1.6; }
#notice-buttons { display: flex; justify-content: flex-end; padding: 8px 12px 12px; }
#notice-ok { min-width: 75px; height: 25px; font-size: 9pt; }
</style>
</head>
<body>
<div id=")"
        + html(Form1.name) +
        R"(" role="application" aria-labelledby="caption">
<div id="caption">)"
        + html(Form1.caption) +
        R"(</div>
<div id="menubar" role="menubar">
<button type="button" id=")"
        + html(Form1.menu.name)
        + R"(" role="menuitem" aria-haspopup="menu" aria-expanded="false" aria-controls="menu" tabindex="-1">)"
        + html(Form1.menu.caption) + R"(</button>
<div id="menu" role="menu" hidden>
)";
    for (const auto& item : Form1.menu.items)
        out += "<button type=\"button\" role=\"menuitem\" id=\"" + html(item.name) + "\""
            + commandAttribute(item.command) + " tabindex=\"-1\">" + html(item.caption) + "</button>\n";
    out += "</div>\n</div>\n<div id=\"client\">\n";
    for (const ControlSpec& entry : Form1.controls)
        out += control(entry) + "\n";
    out += R"(</div>
</div>
<dialog id="notice" aria-labelledby="notice-title" aria-describedby="notice-prompt">
<h1 id="notice-title"></h1>
<div id="notice-body"><span id="notice-icon" aria-hidden="true" hidden>&#x26A0;</span><p id="notice-prompt"></p></div>
<div id="notice-buttons"><button type="button" id="notice-ok">)"
        + html(qhj::runtime::kOkCaption) + R"(</button></div>
</dialog>
<script src="qinghejian-window.js"></script>
<script src="page.js"></script>
</body>
</html>
)";
    std::fputs(out.c_str(), stdout);
}

void manifest()
{
    const std::string name = json(qhj::runtime::kApplicationTitle);
    std::printf(R"({
  "name": "%s",
  "short_name": "%s",
  "description": "%s",
  "version": "%s",
  "lang": "zh-CN",
  "start_url": "./",
  "scope": "./",
  "display": "standalone",
  "background_color": "#3a6ea5",
  "theme_color": "#0a246a",
  "icons": [
    {"src": "qinghejian.svg", "sizes": "any", "type": "image/svg+xml"},
    {"src": "qinghejian-192.png", "sizes": "192x192", "type": "image/png"},
    {"src": "qinghejian-512.png", "sizes": "512x512", "type": "image/png"}
  ]
}
)",
                name.c_str(), name.c_str(), json(u"把人民币金额写成中文大写").c_str(), QHJ_VERSION_TEXT);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string_view what = argc > 1 ? argv[1] : "";
    if (what == "page") {
        page();
    } else if (what == "manifest") {
        manifest();
    } else {
        std::fputs("usage: form1_page page|manifest\n", stderr);
        return 2;
    }
    return 0;
}
