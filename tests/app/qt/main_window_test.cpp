// The Qt window in-process, on the offscreen platform: Form1 as described,
// the keyboard, and the five commands through real clicks.
#include "app/qt/application.h"
#include "app/qt/main_window.h"
#include "message_box_answerer.h"
#include "support/expected_notices.h"
#include "support/window_cases.h"
#include "window/form1.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include <limits>
#include <memory>

using qhj::app::qt::MainWindow;
using qhj::app::qt::MessageBoxAnswerer;
using qhj::testing::ShownBox;
using qhj::window::ControlKind;
using qhj::window::ControlSpec;
using qhj::window::Form1;

namespace {

const QString kCaption = QStringLiteral("青禾笺") + QString(26, u' ') + QStringLiteral("BY:墨桐青岚");
const QString kStartResult = QStringLiteral("壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整");
const ShownBox kExtraDecimals = qhj::testing::shownBox(qhj::testing::kExtraDecimalsNotice);
const QStringList kSongFamilies{QStringLiteral("宋体"),
                                QStringLiteral("SimSun"),
                                QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("Source Han Serif SC"),
                                QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Songti SC")};

QString name(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void controlMatchesTheDescription_data();
    void controlMatchesTheDescription();
    void command1SitsWhereTheIssueSays();
    void clientAreaLiesBelowAOneLineMenuBar();
    void captionAndIcon();
    void sizeIsFixed();
    void opensCentred();
    void isAMainWindowNotADialog();
    void menuHoldsTheThreeItems();
    void nothingHasAnAccessKeyOrShortcut();
    void textBoxesStartAsDescribed_data();
    void textBoxesStartAsDescribed();
    void textBoxesAreNamedByTheirLabels_data();
    void textBoxesAreNamedByTheirLabels();
    void tabVisitsTheControlsInTabIndexOrder_data();
    void tabVisitsTheControlsInTabIndexOrder();
    void enterInATextBoxPressesNoButton_data();
    void enterInATextBoxPressesNoButton();
    void enterOnAFocusedButtonPressesIt();
    void generate_data();
    void generate();
    void aMillionCharacterPasteGoesInAndConverts();
    void pasteStopsAtTheFirstLineBreak_data();
    void pasteStopsAtTheFirstLineBreak();
    void textBoxSelectsInUtf16Units_data();
    void textBoxSelectsInUtf16Units();
    void copy_data();
    void copy();
    void copyAfterEditingTheResultByHand();
    void menuAndNoticesUseTheSongFace();
    void qtsOwnTextsAreChinese();
    void helpMenuShowsItsNotice_data();
    void helpMenuShowsItsNotice();
    void quitEndsTheProgram_data();
    void quitEndsTheProgram();

private:
    template <typename T = QWidget> T* control(std::string_view controlName)
    {
        auto* widget = qobject_cast<T*>(m_window->control(controlName));
        if (widget == nullptr)
            qFatal("no control %s of the expected kind", controlName.data());
        return widget;
    }
    QAction* menuItem(std::string_view itemName);
    void clickMenuItem(std::string_view itemName);

    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::initTestCase()
{
    // As main() does.
    qhj::app::qt::setUpApplication();
}

void MainWindowTest::init()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    m_window = std::make_unique<MainWindow>();
    m_window->centreOnScreen();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void MainWindowTest::cleanup()
{
    m_window.reset();
    QApplication::processEvents();
    // Nothing is left over: no window, no menu, no message box.
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
    QTRY_COMPARE(QGuiApplication::topLevelWindows().size(), 0);
}

QAction* MainWindowTest::menuItem(std::string_view itemName)
{
    auto* action = m_window->findChild<QAction*>(name(itemName));
    if (action == nullptr)
        qFatal("no menu item %s", itemName.data());
    return action;
}

// Opens the help menu with the mouse and clicks the item.
void MainWindowTest::clickMenuItem(std::string_view itemName)
{
    QMenuBar* bar = m_window->menuBar();
    auto* menu = m_window->findChild<QMenu*>(name(Form1.menu.name));
    QVERIFY(menu != nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QAction* action = menuItem(itemName);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

void MainWindowTest::controlMatchesTheDescription_data()
{
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<qreal>("pointSize");
    for (const ControlSpec& entry : Form1.controls) {
        // 15 twips a logical pixel, to the nearest pixel.
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        const QRect pixels(px(entry.left), px(entry.top), px(entry.width), px(entry.height));
        QTest::newRow(entry.name.data())
            << name(entry.name) << static_cast<int>(entry.kind) << qhj::app::qt::toQString(entry.text)
            << pixels << entry.font.tenthsOfPoint / 10.0;
    }
}

void MainWindowTest::controlMatchesTheDescription()
{
    QFETCH(QString, controlName);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(qreal, pointSize);

    QWidget* widget = m_window->control(controlName.toStdString());
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget(), m_window->centralWidget());
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    switch (static_cast<ControlKind>(kind)) {
    case ControlKind::kButton:
        QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), text);
        break;
    case ControlKind::kTextBox:
        QCOMPARE(qobject_cast<QLineEdit*>(widget)->text(), text);
        break;
    case ControlKind::kLabel:
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
        QVERIFY(!qobject_cast<QLabel*>(widget)->wordWrap());
        break;
    }

    const QFont font = widget->font();
    QCOMPARE(font.families(), kSongFamilies);
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.bold() && !font.italic() && !font.underline() && !font.strikeOut());
    // The face actually used is one of the list: a Song face, not the
    // fontconfig default with its Japanese glyph forms.
    const QFontInfo used(font);
    QVERIFY2(kSongFamilies.contains(used.family()), qPrintable(used.family()));
    QCOMPARE(used.pointSizeF(), pointSize);
}

void MainWindowTest::command1SitsWhereTheIssueSays()
{
    QCOMPARE(control("Command1")->geometry(), QRect(360, 8, 81, 25));
    QCOMPARE(control("Text2")->geometry(), QRect(80, 52, 305, 25));
}

void MainWindowTest::clientAreaLiesBelowAOneLineMenuBar()
{
    QWidget* client = m_window->centralWidget();
    QCOMPARE(client->size(), QSize(454, 90));
    QMenuBar* bar = m_window->menuBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry().top(), 0);
    QCOMPARE(client->geometry().top(), bar->geometry().bottom() + 1);
    QCOMPARE(bar->height(),
             bar->heightForWidth(454) > 0 ? bar->heightForWidth(454) : bar->sizeHint().height());
    QCOMPARE(m_window->size(), QSize(454, 90 + bar->height()));
}

void MainWindowTest::captionAndIcon()
{
    QCOMPARE(m_window->windowTitle(), kCaption);
    QCOMPARE(m_window->windowTitle().size(), 3 + 26 + 7);

    // Sharp at any scale: from the title bar at 100 % to a launcher at 200 %.
    const QIcon icon = m_window->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(24, 24)));
    int largest = 0;
    for (const QSize& size : icon.availableSizes())
        largest = std::max(largest, size.width());
    QVERIFY2(largest >= 48, qPrintable(QString::number(largest)));
    // Larger ones cost start-up time on X11 and are the icon theme's job.
    QVERIFY2(largest <= 64, qPrintable(QString::number(largest)));
    const QImage image = icon.pixmap(QSize(24, 24), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(24, 24));
    QCOMPARE(qAlpha(image.pixel(0, 23)), 0); // transparent ground
    bool white = false, black = false;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const QRgb pixel = image.pixel(x, y);
            white = white || (qAlpha(pixel) == 255 && qGray(pixel) == 255);
            black = black || (qAlpha(pixel) == 255 && qGray(pixel) == 0);
        }
    }
    QVERIFY(white && black);
}

void MainWindowTest::sizeIsFixed()
{
    const QSize size = m_window->size();
    QCOMPARE(m_window->minimumSize(), size);
    QCOMPARE(m_window->maximumSize(), size);
    m_window->resize(size + QSize(100, 60));
    QApplication::processEvents();
    QCOMPARE(m_window->size(), size);
}

void MainWindowTest::opensCentred()
{
    const QRect available = m_window->screen()->availableGeometry();
    const QPoint offset = m_window->frameGeometry().center() - available.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void MainWindowTest::isAMainWindowNotADialog()
{
    QVERIFY(qobject_cast<QMainWindow*>(m_window.get()) != nullptr);
    QVERIFY(qobject_cast<QDialog*>(m_window.get()) == nullptr);
    // No button is the default; each takes Enter only when it has the
    // focus (enterOnAFocusedButtonPressesIt).
    for (std::string_view button : {"Command1", "Command2"}) {
        QVERIFY(!control<QPushButton>(button)->isDefault());
        QVERIFY(!control<QPushButton>(button)->autoDefault());
    }
}

void MainWindowTest::menuHoldsTheThreeItems()
{
    const QList<QAction*> top = m_window->menuBar()->actions();
    QCOMPARE(top.size(), 1);
    QCOMPARE(top.front()->text(), QStringLiteral("帮助"));
    QMenu* help = top.front()->menu();
    QVERIFY(help != nullptr);
    QStringList captions;
    for (QAction* action : help->actions())
        captions << action->text();
    QCOMPARE(
        captions,
        (QStringList{QStringLiteral("使用说明"), QStringLiteral("软件作者"), QStringLiteral("退出软件")}));
}

void MainWindowTest::nothingHasAnAccessKeyOrShortcut()
{
    QList<QAction*> actions = m_window->findChildren<QAction*>();
    for (QAction* action : actions) {
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
        QVERIFY2(QKeySequence::mnemonic(action->text()).isEmpty(), qPrintable(action->text()));
    }
    for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
        QVERIFY(button->shortcut().isEmpty());
        QVERIFY(QKeySequence::mnemonic(button->text()).isEmpty());
    }
    for (QLabel* label : m_window->findChildren<QLabel*>())
        QVERIFY(label->buddy() == nullptr);
}

void MainWindowTest::textBoxesStartAsDescribed_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("Text1") << "Text1"
                           << "123456.78";
    QTest::newRow("Text2") << "Text2"
                           << "";
}

void MainWindowTest::textBoxesStartAsDescribed()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    auto* edit = control<QLineEdit>(box.toStdString());
    QCOMPARE(edit->text(), text);
    QVERIFY(!edit->isReadOnly());
    QVERIFY(edit->isEnabled());
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
    QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
}

void MainWindowTest::textBoxesAreNamedByTheirLabels_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("Text1") << "Text1" << QStringLiteral("输入数字");
    QTest::newRow("Text2") << "Text2" << QStringLiteral("大写数字");
}

void MainWindowTest::textBoxesAreNamedByTheirLabels()
{
    QFETCH(QString, box);
    QFETCH(QString, accessibleName);
    QWidget* edit = control<QLineEdit>(box.toStdString());
    QCOMPARE(edit->accessibleName(), accessibleName);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(edit);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->text(QAccessible::Name), accessibleName);
}

void MainWindowTest::tabVisitsTheControlsInTabIndexOrder_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("visits");
    QTest::newRow("Tab") << int(Qt::Key_Tab) << QStringList{"Text2", "Text1", "Command1", "Command2",
                                                            "Text2", "Text1", "Command1", "Command2"};
    QTest::newRow("Backtab") << int(Qt::Key_Backtab)
                             << QStringList{"Command1", "Text1", "Text2", "Command2", "Command1"};
}

void MainWindowTest::tabVisitsTheControlsInTabIndexOrder()
{
    QFETCH(int, key);
    QFETCH(QStringList, visits);
    QVERIFY(QApplication::focusWidget() != nullptr);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    for (const QString& expected : visits) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
}

void MainWindowTest::enterInATextBoxPressesNoButton_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in Text1") << "Text1" << int(Qt::Key_Return);
    QTest::newRow("Enter in Text1") << "Text1" << int(Qt::Key_Enter);
    QTest::newRow("Return in Text2") << "Text2" << int(Qt::Key_Return);
    QTest::newRow("Escape in Text1") << "Text1" << int(Qt::Key_Escape);
}

void MainWindowTest::enterInATextBoxPressesNoButton()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    MessageBoxAnswerer answerer;
    auto* edit = control<QLineEdit>(box.toStdString());
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, static_cast<Qt::Key>(key));
    QTest::qWait(50);
    QCOMPARE(control<QLineEdit>("Text2")->text(), QString());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("123456.78"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY(answerer.shown().isEmpty());
    QVERIFY(m_window->isVisible());
}

// Enter, or the keypad's, on a focused button presses it: Command1
// converts, Command2 copies.
void MainWindowTest::enterOnAFocusedButtonPressesIt()
{
    control<QLineEdit>("Text1")->setText(QStringLiteral("7"));
    for (const auto& [name, key] :
         {std::pair{"Command1", Qt::Key_Return}, std::pair{"Command2", Qt::Key_Enter}}) {
        QWidget* button = control(name);
        button->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, key);
    }
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("柒圆整"));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("柒圆整"));
}

void MainWindowTest::generate_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("resultBefore");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QList<ShownBox>>("boxes");
    const std::vector<qhj::testing::WindowCase> cases = qhj::testing::windowCases();
    QVERIFY2(!cases.empty(), "the table of window cases is empty");
    for (const qhj::testing::WindowCase& c : cases) {
        const QList<ShownBox> boxes(c.notices.begin(), c.notices.end());
        // Over an earlier result, which a failure must not leave standing.
        QTest::newRow(qhj::app::qt::toQString(c.name).toUtf8().constData())
            << qhj::app::qt::toQString(c.input) << QStringLiteral("壹圆整")
            << qhj::app::qt::toQString(c.result) << boxes;
    }
}

void MainWindowTest::generate()
{
    QFETCH(QString, input);
    QFETCH(QString, resultBefore);
    QFETCH(QString, result);
    QFETCH(QList<ShownBox>, boxes);

    auto* text1 = control<QLineEdit>("Text1");
    auto* text2 = control<QLineEdit>("Text2");
    text2->setText(resultBefore);
    // Typed, as a user would.
    text1->setFocus();
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_Delete);
    QTest::keyClicks(text1, input);
    QCOMPARE(text1->text(), input);

    MessageBoxAnswerer answerer;
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QCOMPARE(answerer.shown(), boxes);
    QVERIFY(answerer.allWellFormed());
    QCOMPARE(text2->text(), result);
    QCOMPARE(text1->text(), input);
}

// As the Windows box takes it: what is pasted counts up to its first line
// break, and the text around the cursor stays.
void MainWindowTest::pasteStopsAtTheFirstLineBreak_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::newRow("a cell with CRLF") << "Text1"
                                      << "1234.56\r\n"
                                      << "x1234.56y";
    QTest::newRow("a cell with LF, then more") << "Text1"
                                               << "5\n6\n7"
                                               << "x5y";
    QTest::newRow("a line break first") << "Text2"
                                        << "\n5"
                                        << "xy";
    QTest::newRow("no line break") << "Text2"
                                   << "5"
                                   << "x5y";
}

void MainWindowTest::pasteStopsAtTheFirstLineBreak()
{
    QFETCH(QString, box);
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    auto* edit = control<QLineEdit>(box.toStdString());
    edit->setText(QStringLiteral("xy"));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    edit->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), result);
    QCOMPARE(edit->cursorPosition(), static_cast<int>(result.size()) - 1);
}

void MainWindowTest::aMillionCharacterPasteGoesInAndConverts()
{
    const QString amount = QStringLiteral("1.") + QString(999'998, u'9');
    QGuiApplication::clipboard()->setText(amount);
    auto* text1 = control<QLineEdit>("Text1");
    text1->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), text1);
    QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text1->text().size(), 1'000'000);
    QVERIFY(text1->text() == amount);

    MessageBoxAnswerer answerer;
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QCOMPARE(answerer.shown(), QList<ShownBox>{kExtraDecimals});
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("壹圆玖角玖分整"));

    // What the runtime writes is not cut either.
    m_window->runtime().text2().setText(std::u16string(1'000'000, u'x'));
    QCOMPARE(control<QLineEdit>("Text2")->text().size(), 1'000'000);
}

void MainWindowTest::textBoxSelectsInUtf16Units_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("selText");
    QTest::newRow("all") << "壹圆整" << 0 << 3 << "壹圆整";
    QTest::newRow("middle") << "壹圆整" << 1 << 1 << "圆";
    QTest::newRow("length past the end") << "壹圆整" << 1 << 10 << "圆整";
    QTest::newRow("start past the end") << "壹圆整" << 9 << 2 << "";
    QTest::newRow("empty") << "" << 0 << 0 << "";
    QTest::newRow("a pair of surrogates") << "a😀b" << 0 << 4 << "a😀b";
}

void MainWindowTest::textBoxSelectsInUtf16Units()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, selText);
    qhj::runtime::TextBox& box = m_window->runtime().text2();
    box.setText(qhj::app::qt::toU16(text));
    QCOMPARE(control<QLineEdit>("Text2")->text(), text);
    box.setSelStart(static_cast<std::size_t>(selStart));
    box.setSelLength(static_cast<std::size_t>(selLength));
    QCOMPARE(qhj::app::qt::toQString(box.selText()), selText);
    QCOMPARE(control<QLineEdit>("Text2")->selectedText(), selText);
    QCOMPARE(qhj::app::qt::toQString(box.text()), text);
}

void MainWindowTest::copy_data()
{
    QTest::addColumn<bool>("generateFirst");
    QTest::addColumn<QString>("copied");
    QTest::newRow("before any generate: only the empty text") << false << "";
    QTest::newRow("after generate") << true << kStartResult;
}

void MainWindowTest::copy()
{
    QFETCH(bool, generateFirst);
    QFETCH(QString, copied);
    MessageBoxAnswerer answerer;
    if (generateFirst)
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
    QTest::mouseClick(control("Command2"), Qt::LeftButton);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    QVERIFY(data != nullptr);
    QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    auto* text2 = control<QLineEdit>("Text2");
    QCOMPARE(text2->selectedText(), copied);
    if (!copied.isEmpty())
        QCOMPARE(text2->selectionStart(), 0);
    QCOMPARE(text2->text(), copied);
    QVERIFY(answerer.shown().isEmpty());
}

void MainWindowTest::copyAfterEditingTheResultByHand()
{
    MessageBoxAnswerer answerer;
    QTest::mouseClick(control("Command1"), Qt::LeftButton);
    auto* text2 = control<QLineEdit>("Text2");
    QTest::mouseClick(text2, Qt::LeftButton);
    QTest::keyClick(text2, Qt::Key_End);
    QTest::keyClick(text2, Qt::Key_Backspace);
    QTest::keyClicks(text2, QStringLiteral(" ok"));
    const QString edited = kStartResult.chopped(1) + QStringLiteral(" ok");
    QCOMPARE(text2->text(), edited);

    QTest::mouseClick(control("Command2"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), edited);
    QCOMPARE(text2->selectedText(), edited);
    QCOMPARE(text2->selectionStart(), 0);
    QVERIFY(answerer.shown().isEmpty());
}

void MainWindowTest::menuAndNoticesUseTheSongFace()
{
    auto* menu = m_window->findChild<QMenu*>(name(Form1.menu.name));
    for (QWidget* widget : std::initializer_list<QWidget*>{m_window->menuBar(), menu}) {
        QCOMPARE(widget->font().families(), kSongFamilies);
        QVERIFY2(kSongFamilies.contains(QFontInfo(widget->font()).family()),
                 qPrintable(QFontInfo(widget->font()).family()));
    }
    QMessageBox box(m_window.get());
    QCOMPARE(box.font().families(), kSongFamilies);
}

// Whatever the locale: the tests run under C.UTF-8.
void MainWindowTest::qtsOwnTextsAreChinese()
{
    QMessageBox box(m_window.get());
    box.setStandardButtons(QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));

    const std::unique_ptr<QMenu> menu(control<QLineEdit>("Text1")->createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        // Without the access key "(&U)" and the shortcut after the tab.
        QString text = action->text().section(u'\t', 0, 0);
        text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
        items << text;
    }
    QCOMPARE(items,
             (QStringList{QStringLiteral("撤销"), QStringLiteral("重做"), QStringLiteral("剪切"),
                          QStringLiteral("复制"), QStringLiteral("粘贴"), QStringLiteral("删除"),
                          QStringLiteral("全选")}));
}

void MainWindowTest::helpMenuShowsItsNotice_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<ShownBox>("box");
    QTest::newRow("note") << "note" << qhj::testing::shownBox(qhj::testing::kUsageNoteNotice);
    QTest::newRow("copyr") << "copyr" << qhj::testing::shownBox(qhj::testing::kAuthorNoticeNotice);
}

void MainWindowTest::helpMenuShowsItsNotice()
{
    QFETCH(QString, item);
    QFETCH(ShownBox, box);
    MessageBoxAnswerer answerer;
    clickMenuItem(item.toStdString());
    QTRY_COMPARE(answerer.shown(), QList<ShownBox>{box});
    QVERIFY(answerer.allWellFormed());
    QVERIFY(m_window->isVisible());
    QCOMPARE(control<QLineEdit>("Text2")->text(), QString());
}

void MainWindowTest::quitEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("exit, before any generate") << "exit";
    QTest::newRow("closing the window") << "close";
}

void MainWindowTest::quitEndsTheProgram()
{
    QFETCH(QString, how);
    QTimer::singleShot(0, this, [&] {
        if (how == QLatin1String("exit"))
            clickMenuItem("exit");
        else
            m_window->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0); // 1 when the guard had to stop it
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
