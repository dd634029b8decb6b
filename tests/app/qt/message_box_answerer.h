// Reads and closes the application's modal message boxes while a test waits
// in their event loops, as qtbase's own QMessageBox tests do: a short timer
// looks at QApplication::activeModalWidget(), records what a visible box
// shows and clicks its OK button.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include "support/shown_box.h"

namespace qhj::app::qt {

using qhj::testing::ShownBox;

class MessageBoxAnswerer final : public QObject {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;

    const QList<ShownBox>& shown() const { return m_shown; }
    // False once a box had more than the one OK button, an icon other than
    // the exclamation, took its text for rich text or was not modal.
    bool allWellFormed() const { return m_wellFormed; }

private:
    void answer();

    QTimer m_timer;
    QList<ShownBox> m_shown;
    bool m_wellFormed = true;
};

} // namespace qhj::app::qt

namespace qhj::testing {
// How QCOMPARE prints a box.
char* toString(const ShownBox& box);
} // namespace qhj::testing

Q_DECLARE_METATYPE(qhj::testing::ShownBox)
