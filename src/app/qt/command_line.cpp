#include "app/qt/command_line.h"

#include "version/version.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string_view>

namespace qhj::app::qt {

namespace {

constexpr std::string_view kVersionText = "青禾笺 " QHJ_VERSION_TEXT "\n";
constexpr std::string_view kHelpText = "用法：qinghejian [-h|--help] [-V|--version]\n"
                                       "\n"
                                       "打开青禾笺的窗口：在“输入数字”框中输入人民币金额的阿拉伯数字，\n"
                                       "点击“生成大写”得到大写金额，点击“复制”把它放到剪贴板上。\n"
                                       "在命令行上成批转换、读回和核对金额，请用 qinghejian-convert。\n"
                                       "\n"
                                       "  -h, --help     显示本说明后退出。\n"
                                       "  -V, --version  显示版本后退出。\n";

bool write(std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

// The options Qt takes for itself (QGuiApplication and QApplication), and
// whether each takes a value.
struct QtOption {
    std::string_view name;
    bool value;
};
constexpr QtOption kQtOptions[] = {
    {"-platform", true},      {"-platformpluginpath", true},
    {"-platformtheme", true}, {"-plugin", true},
    {"-qmljsdebugger", true}, {"-qwindowgeometry", true},
    {"-qwindowicon", true},   {"-qwindowtitle", true},
    {"-reverse", false},      {"-session", true},
    {"-style", true},         {"-stylesheet", true},
    {"-widgetcount", false},  {"-display", true},
    {"-geometry", true},      {"-title", true},
    {"-name", true},          {"-visual", true},
    {"-ncols", true},         {"-cmap", false},
    {"-nograb", false},       {"-dograb", false},
    {"-sync", false},
};

QtMessageHandler g_qtHandler = nullptr;

// Qt gives up without a display by aborting; the window says why in
// Chinese, after Qt's own words, and ends as a failure rather than a crash.
void noDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (g_qtHandler != nullptr)
            g_qtHandler(type, context, message);
        return;
    }
    std::fputs("qinghejian：无法打开窗口：没有可用的显示（图形界面未运行，或 DISPLAY、WAYLAND_DISPLAY "
               "未设置）\n",
               stderr);
    std::_Exit(1);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    std::string_view unknown;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string_view text;
        if (arg == "-h" || arg == "--help") {
            text = kHelpText;
        } else if (arg == "-V" || arg == "--version") {
            text = kVersionText;
        } else {
            const auto* qt = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                          [arg](const QtOption& o) { return o.name == arg; });
            if (qt == std::end(kQtOptions) && unknown.empty())
                unknown = arg;
            else if (qt != std::end(kQtOptions) && qt->value)
                ++i;
            continue;
        }
        if (write(text))
            return 0;
        std::fputs("qinghejian：写入标准输出失败\n", stderr);
        return 1;
    }
    if (!unknown.empty()) {
        std::fprintf(stderr, "qinghejian：无法识别的参数“%.*s”\n用“qinghejian --help”查看用法。\n",
                     static_cast<int>(unknown.size()), unknown.data());
        return 2;
    }
    // Until the window is up, a fatal message from Qt means no display.
    g_qtHandler = qInstallMessageHandler(noDisplay);
    return std::nullopt;
}

void displayFound()
{
    qInstallMessageHandler(g_qtHandler);
}

} // namespace qhj::app::qt
