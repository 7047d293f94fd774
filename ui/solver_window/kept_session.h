// Where the window leaves off: the session's text kept between runs in the state directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tq::solver_window {

// $XDG_STATE_HOME/trommelquirl/solver-session.txt, or under ~/.local/state.
std::string KeptSessionPath();

// The kept text; nothing when there is none or it cannot be read (`problem` then says why, or
// stays empty for a file that is simply not there). Reads at most a small file: the text is a
// few lines, and anything larger is not this program's.
std::optional<std::string> ReadKeptSession(const std::string& path, std::string& problem);

// Writes the text in the file's place so that a crash leaves the old text or the new one, never
// a part; creates the directory. False, with the system's reason in `problem`, when it cannot.
bool WriteKeptSession(const std::string& path, std::string_view text, std::string& problem);

}  // namespace tq::solver_window
