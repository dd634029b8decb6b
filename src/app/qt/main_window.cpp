#include "app/qt/main_window.h"

#include "window/commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QValidator>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace qhj::app::qt {
namespace {

// Takes pasted text up to its first line break, as the Windows box does, so
// that a spreadsheet cell's line break simply disappears instead of staying
// unseen in the box. What was inserted ends at the cursor: from its first
// line break to there goes.
class SingleLine final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        for (qsizetype at = 0; at < input.size(); ++at) {
            if (input[at] == u'\n' || input[at] == u'\r') {
                const qsizetype end = std::max<qsizetype>(pos, at + 1);
                input.remove(at, end - at);
                pos = static_cast<int>(at);
                break;
            }
        }
        return Acceptable;
    }
};

// A button that Enter presses when it has the focus, as Space does, as
// keyboard users expect; it never becomes the default, so Enter in a text
// box still presses nothing.
class EnterButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(event);
    }
};

using window::ControlKind;
using window::ControlSpec;
using window::Form1;

QString latin1(std::string_view name)
{
    return QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

// Logical pixels are those of 96 dpi; Qt scales them on high-dpi screens.
int px(int twips)
{
    return window::twipsToPixels(twips);
}

// Every size compiled in, so that the window manager picks a sharp one at
// any scale.
QIcon programIcon()
{
    QIcon icon;
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files))
        icon.addFile(QStringLiteral(":/icons/") + file);
    return icon;
}

} // namespace

QStringList fontFamilies(std::u16string_view family)
{
    QStringList families{toQString(family)};
    for (const std::u16string_view fallback : window::kSongFallbacks) {
        if (!families.contains(toQString(fallback)))
            families << toQString(fallback);
    }
    return families;
}

QFont controlFont(const window::FontSpec& entry)
{
    QFont font;
    font.setFamilies(fontFamilies(entry.family));
    font.setPointSizeF(entry.tenthsOfPoint / 10.0);
    // 400 is the normal weight on both scales; the GB2312 charset has no Qt
    // counterpart: Unicode text needs none.
    font.setWeight(static_cast<QFont::Weight>(entry.weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

void useSongFaceThroughout()
{
    QFont font = QApplication::font();
    font.setFamilies(fontFamilies(window::kSongFamily));
    QApplication::setFont(font);
}

QString literalCaption(std::u16string_view caption)
{
    return toQString(caption).replace(u'&', QStringLiteral("&&"));
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(latin1(Form1.name));
    setWindowTitle(toQString(Form1.caption));
    setWindowIcon(programIcon());

    auto* client = new QWidget(this);
    client->setFixedSize(px(Form1.clientWidth), px(Form1.clientHeight));
    setCentralWidget(client);
    for (std::size_t i = 0; i < window::kControlCount; ++i)
        m_controls[i] = makeControl(Form1.controls[i], client);

    QMenu* menu = menuBar()->addMenu(literalCaption(Form1.menu.caption));
    menu->setObjectName(latin1(Form1.menu.name));
    // The open menu's own window carries the menu's caption as its title.
    menu->setWindowTitle(toQString(Form1.menu.caption));
    for (const window::MenuItemSpec& item : Form1.menu.items) {
        QAction* action = menu->addAction(literalCaption(item.caption));
        action->setObjectName(latin1(item.name));
        connect(action, &QAction::triggered, this,
                [this, command = item.command] { window::click(command, *m_runtime); });
    }

    m_runtime = std::make_unique<QtRuntime>(*this, *qobject_cast<QLineEdit*>(control("Text1")),
                                            *qobject_cast<QLineEdit*>(control("Text2")));

    // A screen reader names each text box after the label Form1 gives it.
    for (const ControlSpec& entry : Form1.controls) {
        if (entry.kind == ControlKind::kLabel && !entry.labels.empty())
            control(entry.labels)->setAccessibleName(toQString(window::nameFromCaption(entry.text)));
    }

    const auto order = window::tabOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(control(order[i]), control(order[i + 1]));
    control(order.front())->setFocus(Qt::OtherFocusReason);

    // The frame cannot be dragged: the window keeps the size of its menu
    // bar over the fixed client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::makeControl(const ControlSpec& entry, QWidget* parent)
{
    QWidget* widget = nullptr;
    const QString text = toQString(entry.text);
    switch (entry.kind) {
    case ControlKind::kButton: {
        auto* button = new EnterButton(literalCaption(entry.text), parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, command = entry.command] { window::click(command, *m_runtime); });
        widget = button;
        break;
    }
    case ControlKind::kTextBox: {
        auto* edit = new QLineEdit(parent);
        // QLineEdit cuts text at 32767 characters, also in setText.
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setValidator(new SingleLine(edit));
        edit->setText(text);
        widget = edit;
        break;
    }
    case ControlKind::kLabel: {
        // A label without a buddy shows "&" as it is.
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        widget = label;
        break;
    }
    }
    widget->setObjectName(latin1(entry.name));
    widget->setFont(controlFont(entry.font));
    const window::PixelRect rect = window::pixelRect(entry);
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
    return widget;
}

QWidget* MainWindow::control(std::string_view name) const
{
    const std::optional<std::size_t> index = window::controlIndex(name);
    return index ? m_controls[*index] : nullptr;
}

void MainWindow::centreOnScreen()
{
    adjustSize();
    // The platform knows the frame once the native window exists; an X11
    // window manager tells it only after the window is mapped, so there
    // the client area is centred.
    create();
    QScreen* target = screen();
    if (target == nullptr)
        return;
    const QSize outer = size().grownBy(windowHandle()->frameMargins());
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, target->availableGeometry()).topLeft());
}

} // namespace qhj::app::qt
