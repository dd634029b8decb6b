// Form1 on Qt: a QMainWindow built from qhj::window::Form1. Geometry comes
// from the twips of the description at 96 dpi (15 twips a logical pixel);
// Qt scales logical pixels on high-dpi screens.
#pragma once

#include "app/qt/qt_runtime.h"
#include "window/form1.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>
#include <string_view>

class QLineEdit;

namespace qhj::app::qt {

// "宋体" is asked for first; no Linux machine has it, so the list goes on
// with window::kSongFallbacks (Debian ships Noto's and AR PL UMing).
QStringList fontFamilies(std::u16string_view family);
QFont controlFont(const window::FontSpec& entry);

// The menu and the message boxes in the same Song face, at the desktop's
// size, as on a Chinese Windows whose system face was 宋体. Left to
// fontconfig, Chinese text outside a Chinese locale gets a sans face with
// Japanese glyph forms, and a second CJK face costs start-up time and memory.
void useSongFaceThroughout();

// A caption shown literally: Qt would take "&" for an access key.
QString literalCaption(std::u16string_view caption);

class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The control of the description called `name` (its objectName).
    QWidget* control(std::string_view name) const;
    runtime::Runtime& runtime() { return *m_runtime; }

    // Puts the window in the middle of its screen's available area.
    void centreOnScreen();

private:
    QWidget* makeControl(const window::ControlSpec& entry, QWidget* parent);

    std::array<QWidget*, window::kControlCount> m_controls{};
    std::unique_ptr<QtRuntime> m_runtime;
};

} // namespace qhj::app::qt
