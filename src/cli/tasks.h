// The jobs of qinghejian-convert, one item at a time: each argument, or each
// line of its input, gives one line of output, and what went wrong with it
// goes to standard error as "第N行：…".
#pragma once

#include "cli/line_reader.h"
#include "cli/options.h"
#include "cli/output.h"
#include "face/face.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qhj::cli {

// The notice for an item that is not text in UTF-8.
inline constexpr std::u16string_view kNotText = u"不是UTF-8文字，无法识别";

// Notices, one a line of `err`: "第N行：", then "第K个字符：" where the notice
// points into the item, then the notice itself.
class LineNotices {
public:
    explicit LineNotices(BufferedOutput& err) : m_err(err) { }

    void setLine(std::size_t number) { m_line = number; }
    void notice(std::u16string_view text, std::size_t position = 0);

private:
    BufferedOutput& m_err;
    std::size_t m_line = 0;
};

class ItemTask {
public:
    ItemTask(BufferedOutput& out, LineNotices& notices) : m_out(out), m_notices(notices) { }
    virtual ~ItemTask() = default;

    // One item; nullopt for one that is not text (not UTF-8). Writes one
    // line of output.
    virtual void item(std::optional<std::u16string_view> text) = 0;
    // A line longer than the reader keeps: only its start is in `line`.
    virtual void longLine(const Line& line);
    // An item of two texts, a spreadsheet row's two columns or --check's two
    // arguments. Only the check reads a pair; any other task writes it as
    // an item it cannot read.
    virtual void pair(std::u16string_view first, std::u16string_view second);
    // An item that could not be made at all, and why.
    virtual void unreadable(std::u16string_view why);
    // Called when no input is given; true when the task wrote an item of
    // its own, such as today's date, instead of reading standard input.
    virtual bool ownItem() { return false; }
    // Whether every item so far was written exactly as given: nothing
    // failed, nothing was cut, no rule was broken.
    bool succeeded() const { return m_succeeded; }

protected:
    void failed() { m_succeeded = false; }
    // Writes the result, if any, and the message as notices unless the
    // result is exact.
    void written(const face::Outcome& outcome);
    // No result: an empty line, and `why` as the notice.
    void refused(std::u16string_view why);

    BufferedOutput& m_out;
    LineNotices& m_notices;
    face::Outcome m_outcome; // reused, so that a line costs no allocation

private:
    bool m_succeeded = true;
};

// The window's form: each amount under the window's rules, with its notices.
class ConvertTask : public ItemTask {
public:
    using ItemTask::ItemTask;
    void item(std::optional<std::u16string_view> text) override;
    void longLine(const Line& line) override;

private:
    std::u16string m_text;
};

// The payment rules' form, from figures as people write them (figures.h).
class StandardTask : public ItemTask {
public:
    StandardTask(face::Form form, BufferedOutput& out, LineNotices& notices)
        : ItemTask(out, notices), m_form(form)
    { }
    void item(std::optional<std::u16string_view> text) override;

private:
    face::Form m_form;
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
    void pair(std::u16string_view figures, std::u16string_view capitals) override;
    // A verdict of the companion's own, for an item that is no pair at all.
    void unreadable(std::u16string_view why) override;

private:
    face::PairVerdict m_verdict; // reused, so that a line costs no allocation
};

// Writes each date in capitals, as on a cheque: 2026-10-20, 2026/10/20,
// 2026年10月20日 or 20261020.
class DateTask : public ItemTask {
public:
    using ItemTask::ItemTask;
    void item(std::optional<std::u16string_view> text) override;
    void date(int year, int month, int day);
    // Today's date in the local time zone, as a cheque is dated.
    bool ownItem() override;
};

// The task for the job the command line asks for, writing to `out`.
std::unique_ptr<ItemTask> taskFor(const Options& options, BufferedOutput& out, LineNotices& notices);

} // namespace qhj::cli
