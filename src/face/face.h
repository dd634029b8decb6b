// The one face over the conversions for every front end: the window, the
// companion, the npm package and the bindings of other languages. Each call
// takes and gives UTF-16, keeps nothing between calls, and returns its
// result, or its reason, as values; what a front end shows of them is its
// own affair. Whatever a front end needs to decide alike with the others
// (the forms' names, the blank rule, the texts) is here, once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qhj::face {

// A form's number is its place in kFormNames, the same in every language.
enum class Form {
    kStandard, // the payment rules' form: 壹仟肆佰零玖元伍角整
    kRenminbi, // the same after 人民币
    kWindow,   // the window's literal form: 壹仟肆佰零拾玖圆伍角零分整
};

// The names the packages take a form by, in the order of its number.
inline constexpr std::array<std::string_view, 3> kFormNames = {"standard", "rmb", "window"};

// The form of that name or number, or nothing for one that is none.
std::optional<Form> formNamed(std::string_view name);
std::optional<Form> formNumbered(long number);

// What the window's input rules may say of a text, in the order it says
// them; the window decides how each is shown.
enum class Notice : unsigned char {
    kMorePoints,    // more than one point: no amount
    kExtraDecimals, // decimals after 分 were ignored
    kFailure,       // nothing that can be converted
};
std::u16string_view noticeText(Notice notice);

enum class Reason : unsigned char {
    kNone,          // the text is the whole input's result
    kExtraDecimals, // decimals after 分 were cut: the text is the rest's
    kUnreadable,    // no result: the input cannot be read
    kInvalidDate,   // no result: no such date, or not written as a date
};

struct Outcome {
    std::u16string text; // the result; empty when there is none
    Reason reason = Reason::kNone;
    std::u16string message;          // the reason in words, one line for each
                                     // notice; empty for kNone
    std::size_t position = 0;        // 1-based, where the message points into
                                     // the input; 0 where it points nowhere
    std::size_t cutFrom = 0;         // of kExtraDecimals: where the first
                                     // decimal cut stands, 1-based
    std::array<Notice, 2> notices{}; // the notices the message is made of,
    std::size_t noticeCount = 0;     // for the window's form

    bool exact() const { return reason == Reason::kNone; }
};

// `text` without the blanks that do not count around figures, capitals or
// a date: space, tab, the full-width and the no-break space, and the
// byte-order mark and line breaks that a copied cell or a saved line keeps.
std::u16string_view trimmedBlanks(std::u16string_view text);

// The figures and the capitals of one line that holds both, blanks between:
// the figures end at the first blank after them, and a position in the
// capitals counts from their own first character.
struct PairOfLine {
    std::u16string_view figures;
    std::u16string_view capitals;
};
PairOfLine pairOfLine(std::u16string_view line);

// "第K个字符：", where a message points into the text it is about.
std::u16string positionText(std::size_t position);

// The message as one text, with "第K个字符：" where it points into the input.
std::u16string describe(const Outcome& outcome);

// What a package that refuses rather than cuts says of an outcome that is
// not exact. The reason alone: for decimals past 分, what is wrong with
// them; otherwise the message. The position only where the caller wrote
// the input (`written`), not where a package wrote a number out as text.
// And the two together, "第K个字符：" in front of the reason.
struct Refusal {
    std::u16string message;
    std::u16string reason;
    std::size_t position = 0; // 1-based; 0 where it points nowhere
};
Refusal refusal(const Outcome& outcome, bool written = true);

// Figures to capitals. kStandard and kRenminbi read the figures as people
// write them (conversion/figures.h); kWindow by the window's rules, whose
// notices are the message.
Outcome toCapitals(std::u16string_view figures, Form form = Form::kStandard);
// The same into `outcome`, whose text keeps its room: for a caller that
// converts many, one after another.
void toCapitals(std::u16string_view figures, Form form, Outcome& outcome);

// The window's form alone, as toCapitals gives it for Form::kWindow.
void windowForm(std::u16string_view figures, Outcome& outcome);

// Capitals to figures with two decimals: 1409.50, -0.10.
Outcome fromCapitals(std::u16string_view capitals);
void fromCapitals(std::u16string_view capitals, Outcome& outcome);

struct PairVerdict {
    std::u16string line;   // as qinghejian-convert --check prints it
    bool agrees = false;   // the same amount with the same sign
    unsigned findings = 0; // conversion::Finding bits, when they agree

    // Agreeing, and breaking no rule.
    bool passes() const { return agrees && findings == 0; }
};

// The rules a verdict's capitals break, one short line each, in the order
// the verdict line gives them.
std::vector<std::u16string_view> findingTexts(const PairVerdict& verdict);

// The verdict on an item that is no pair at all, and why.
void unreadablePair(std::u16string_view why, PairVerdict& verdict);

// Figures against capitals; blanks around either do not count.
PairVerdict checkPair(std::u16string_view figures, std::u16string_view capitals);
// The same into `verdict`, whose line keeps its room.
void checkPair(std::u16string_view figures, std::u16string_view capitals, PairVerdict& verdict);

// A cheque's date of issue in capitals: 2026-10-20 -> 贰零贰陆年零壹拾月零贰拾日.
Outcome chequeDate(std::u16string_view date);
Outcome chequeDate(int year, int month, int day);

} // namespace qhj::face
