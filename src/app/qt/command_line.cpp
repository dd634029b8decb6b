#include "app/qt/command_line.h"

#include "version/version.h"

#include <cstdio>
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

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string_view text;
        if (arg == "-h" || arg == "--help")
            text = kHelpText;
        else if (arg == "-V" || arg == "--version")
            text = kVersionText;
        else
            continue;
        if (write(text))
            return 0;
        std::fputs("qinghejian：写入标准输出失败\n", stderr);
        return 1;
    }
    return std::nullopt;
}

} // namespace qhj::app::qt
