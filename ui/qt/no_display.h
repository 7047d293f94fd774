// Starting Qt where no display can be opened: one line that says so, and exit status 1,
// instead of Qt's abort with a core dump and its advice to reinstall.
#pragma once

#include <functional>
#include <string>

#include "ui/qt/platform_choice.h"

namespace tq {

// The line, without its newline: what was looked for in `environment` and found wanting.
std::string NoDisplayLine(const std::string& program, const PlatformEnvironment& environment);

// Runs `makeApplication`, which constructs the QApplication. Qt's messages meanwhile are held
// back; should Qt give up because no platform could be started, the process writes
// NoDisplayLine to standard error and ends with status 1. Otherwise the held messages go on
// to the message handler that was installed before, and this returns.
void MakeApplicationOrExit(const std::string& program, const PlatformEnvironment& environment,
                           const std::function<void()>& makeApplication);

}  // namespace tq
