// The conversion's notices as a test expects to see them shown, written out
// here rather than taken from the code under test.
#pragma once

#include "support/recording_runtime.h"

namespace qhj::testing {

inline const ShownBox kMorePointsBox{u"数字输入出错", runtime::MsgBoxStyle::kOkOnly, u"青禾笺"};
inline const ShownBox kWarningBox{u"小数点后第二位后的数字将被忽略",
                                  runtime::MsgBoxStyle::kExclamation, u"警告"};
inline const ShownBox kFailureBox{u"你输入的数字太大或者输入错误，识别失败",
                                  runtime::MsgBoxStyle::kExclamation, u"错误"};

} // namespace qhj::testing
