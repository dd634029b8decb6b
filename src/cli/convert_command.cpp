#include "cli/convert_command.h"

#include "cli/utf8.h"
#include "conversion/amount_conversion.h"
#include "conversion/standard_form.h"

#include <optional>

namespace qhj::cli {

const std::string_view kHelpText =
    "用法：qinghejian-convert [--standard] [金额…]\n"
    "\n"
    "把用阿拉伯数字写的人民币金额写成中文大写。给了金额就逐个转换；\n"
    "一个也没给时，逐行读取标准输入（LF 或 CRLF 换行，UTF-8，可带 BOM）。\n"
    "每个金额在标准输出上占一行，次序与输入相同；转换失败的金额输出空行。\n"
    "提示写到标准错误，前面注明是第几个金额，例如\n"
    "“第3行：小数点后第二位后的数字将被忽略”。\n"
    "\n"
    "选项：\n"
    "  --standard  按支付结算办法中填写票据和结算凭证的规定书写：单位用“元”，\n"
    "              不写开头的零，连续的零只写一个“零”（100 → 壹佰元整）。\n"
    "              不加此选项时与窗口程序相同，逐位书写（100 → 壹佰零拾零圆整）。\n"
    "  --help      显示本说明后退出。\n"
    "  --version   显示版本后退出。\n"
    "  --          其后的参数都是金额，即使以“-”开头；在此之前以“-”开头的\n"
    "              参数都是选项，可以写在金额前后。\n"
    "\n"
    "金额：最多十二位整数（到仟亿位）和一个小数点；小数只取前两位（角、分），\n"
    "多余的忽略并提示。全角数字也可以。正负号、空格、千位分隔符、货币符号、\n"
    "多个小数点或空行都会转换失败。\n"
    "\n"
    "退出状态：0 全部转换成功；1 有金额转换失败，或读写出错；2 用法错误。\n"
    "\n"
    "示例：\n"
    "  qinghejian-convert 123456.78\n"
    "      壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整\n"
    "  qinghejian-convert --standard 1680.32 100\n"
    "      壹仟陆佰捌拾元零叁角贰分\n"
    "      壹佰元整\n"
    "  qinghejian-convert --standard < 金额.txt > 大写.txt\n"
    "  qinghejian-convert -- -5\n"
    "      （输出空行，标准错误上是“第1行：你输入的数字太大或者输入错误，识别失败”）\n";

namespace {

using Converter = std::u16string (*)(std::u16string_view, runtime::MessageBox&);

// Shows each notice as one line of `err`: "第N行：" and the prompt. The
// title and icon have no place on a terminal.
class LineNoticeBox : public runtime::MessageBox {
public:
    explicit LineNoticeBox(BufferedOutput& err) : m_err(err) {}

    void setLine(std::size_t number) { m_line = number; }

    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle,
                std::optional<std::u16string_view>) override
    {
        m_err.writeUtf8("第");
        m_err.writeNumber(m_line);
        m_err.writeUtf8("行：");
        m_err.write(prompt);
        m_err.endLine();
    }

private:
    BufferedOutput& m_err;
    std::size_t m_line = 0;
};

// Lets what has been written so far out before waiting for more input, so
// a person typing amounts sees each answer at once.
class FlushingSource : public ByteSource {
public:
    FlushingSource(ByteSource& source, BufferedOutput& out, BufferedOutput& err)
        : m_source(source), m_out(out), m_err(err)
    {
    }
    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        m_err.flush();
        m_out.flush();
        return m_source.read(buffer, size);
    }

private:
    ByteSource& m_source;
    BufferedOutput& m_out;
    BufferedOutput& m_err;
};

class Converting {
public:
    Converting(Converter convert, BufferedOutput& out, BufferedOutput& err)
        : m_convert(convert), m_out(out), m_box(err)
    {
    }

    // One amount, or nullopt for one that could not be read as text.
    void amount(std::optional<std::u16string_view> text)
    {
        m_box.setLine(++m_count);
        std::u16string result;
        if (text) {
            result = m_convert(*text, m_box);
        } else {
            const conversion::NoticeText& failure = conversion::kFailureNotice;
            m_box.msgBox(failure.prompt, failure.style, failure.title);
        }
        if (result.empty())
            m_anyFailed = true;
        m_out.write(result);
        m_out.endLine();
    }

    void line(const Line& line)
    {
        if (line.truncated && !line.valid) {
            amount(std::nullopt);
        } else if (line.truncated && line.points >= 2) {
            // Too long to keep, and its points alone decide: the conversion
            // refuses it for them, as it would the whole line.
            amount(u"..");
        } else if (decodeUtf8(line.bytes, m_text)) {
            // A truncated line keeps enough of its start to fail or convert
            // as the whole would: more than twelve integer characters, or
            // the point and the two decimals that count, and more after them.
            amount(m_text);
        } else {
            amount(std::nullopt);
        }
    }

    bool anyFailed() const { return m_anyFailed; }

private:
    Converter m_convert;
    BufferedOutput& m_out;
    LineNoticeBox m_box;
    std::u16string m_text;
    std::size_t m_count = 0;
    bool m_anyFailed = false;
};

void usageError(BufferedOutput& err, std::u16string_view option)
{
    err.writeUtf8(kProgramName);
    err.writeUtf8("：无法识别的选项“");
    err.write(option);
    err.writeUtf8("”");
    err.endLine();
    err.writeUtf8("用“");
    err.writeUtf8(kProgramName);
    err.writeUtf8(" --help”查看用法；以“-”开头的金额请写在“--”之后。");
    err.endLine();
}

void ioError(BufferedOutput& err, std::string_view what)
{
    err.writeUtf8(kProgramName);
    err.writeUtf8("：");
    err.writeUtf8(what);
    err.endLine();
}

} // namespace

int runConvert(const std::vector<Argument>& args, ByteSource& input, BufferedOutput& out,
               BufferedOutput& err, std::size_t lineCapacity)
{
    bool standard = false;
    std::vector<const Argument*> amounts;
    bool optionsEnded = false;
    for (const Argument& arg : args) {
        if (optionsEnded || !arg.valid || arg.text.empty() || arg.text.front() != u'-') {
            amounts.push_back(&arg);
        } else if (arg.text == u"--") {
            optionsEnded = true;
        } else if (arg.text == u"--standard") {
            standard = true;
        } else if (arg.text == u"--help") {
            out.writeUtf8(kHelpText);
            return out.flush() ? kExitConverted : kExitFailed;
        } else if (arg.text == u"--version") {
            out.writeUtf8(kVersionText);
            out.endLine();
            return out.flush() ? kExitConverted : kExitFailed;
        } else {
            usageError(err, arg.text);
            err.flush();
            return kExitUsage;
        }
    }

    Converting converting(standard ? conversion::ConvertAmountStandard : conversion::ConvertAmount,
                          out, err);
    bool readFailed = false;
    if (!amounts.empty()) {
        for (const Argument* arg : amounts) {
            if (arg->valid)
                converting.amount(arg->text);
            else
                converting.amount(std::nullopt);
            if (out.failed())
                break;
        }
    } else {
        FlushingSource source(input, out, err);
        LineReader reader(source, lineCapacity);
        Line line;
        while (!out.failed() && reader.next(line))
            converting.line(line);
        readFailed = reader.readFailed();
    }

    const bool written = out.flush();
    if (readFailed)
        ioError(err, "读取标准输入失败");
    if (!written)
        ioError(err, "写入标准输出失败");
    err.flush();
    return converting.anyFailed() || readFailed || !written ? kExitFailed : kExitConverted;
}

} // namespace qhj::cli
