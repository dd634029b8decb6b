// The yardstick for qinghejian's start-up: a bare Qt window of the same size
// showing one line of Chinese in the same Song face at the same size, so the
// CJK font load counts on both sides. Built with the same flags and carrying
// the same first-paint hook (QHJ_REPORT_FIRST_PAINT).
#include "first_paint_report.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"));
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UMing CN")});
    font.setPointSizeF(12);
    window.setFont(font);
    // qinghejian's window: the 454 x 90 client area under a 23-pixel menu bar.
    window.setFixedSize(454, 113);
    qhj::bench::reportFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
