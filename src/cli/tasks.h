// The jobs of qinghejian-convert, one item at a time: each argument, or each
// line of standard input, gives one line of output, and its notices go to
// standard error as "第N行：…".
#pragma once

#include "cli/line_reader.h"
#include "cli/output.h"
#include "runtime/runtime.h"

#include <optional>
#include <string>
#include <string_view>

namespace qhj::cli {

// Shows each notice as one line of `err`: "第N行：" and the prompt. The
// title and icon have no place on a terminal.
class LineNoticeBox : public runtime::MessageBox {
public:
    explicit LineNoticeBox(BufferedOutput& err) : m_err(err) { }

    void setLine(std::size_t number) { m_line = number; }
    void msgBox(std::u16string_view prompt, runtime::MsgBoxStyle,
                std::optional<std::u16string_view>) override;
    // A notice of the CLI's own, with where in the item it points.
    void notice(std::u16string_view prompt, std::size_t position = 0);

private:
    BufferedOutput& m_err;
    std::size_t m_line = 0;
};

class ItemTask {
public:
    ItemTask(BufferedOutput& out, LineNoticeBox& notices) : m_out(out), m_notices(notices) { }
    virtual ~ItemTask() = default;

    // One item; nullopt for one that is not text (not UTF-8). Writes one
    // line of output.
    virtual void item(std::optional<std::u16string_view> text) = 0;
    // A line longer than the reader keeps: only its start is in `line`.
    virtual void longLine(const Line& line);
    // Whether every item so far came out as it should.
    bool succeeded() const { return m_succeeded; }

protected:
    void failed() { m_succeeded = false; }

    BufferedOutput& m_out;
    LineNoticeBox& m_notices;

private:
    bool m_succeeded = true;
};

using Converter = std::u16string (*)(std::u16string_view, runtime::MessageBox&);

// Writes each amount in capitals; a failed one gives an empty line.
class ConvertTask : public ItemTask {
public:
    ConvertTask(Converter convert, BufferedOutput& out, LineNoticeBox& notices)
        : ItemTask(out, notices), m_convert(convert)
    { }
    void item(std::optional<std::u16string_view> text) override;
    void longLine(const Line& line) override;

private:
    Converter m_convert;
    std::u16string m_text;
};

// Reads capitals back into figures with two decimals: 1680.32.
class ReadTask : public ItemTask {
public:
    using ItemTask::ItemTask;
    void item(std::optional<std::u16string_view> text) override;
};

// Checks figures against capitals: 一致, 不一致 or 无法识别, and the rules
// the capitals break. Succeeds only on a bare 一致.
class CheckTask : public ItemTask {
public:
    using ItemTask::ItemTask;
    // A line holding the figures, then tabs or spaces, then the capitals.
    void item(std::optional<std::u16string_view> text) override;
    void longLine(const Line& line) override;
    void pair(std::u16string_view figures, std::u16string_view capitals);
};

// Writes each date YYYY-MM-DD in capitals, as on a cheque.
class DateTask : public ItemTask {
public:
    using ItemTask::ItemTask;
    void item(std::optional<std::u16string_view> text) override;
    void date(int year, int month, int day);
};

} // namespace qhj::cli
