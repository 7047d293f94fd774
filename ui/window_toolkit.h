// The window operations of the program: what start-up, the commands and the search's host
// need from the toolkit. The Qt layer implements them.
#pragma once

#include <cstdint>
#include <string_view>

namespace tq {

// Message numbers offered to the window callback.
inline constexpr uint32_t WmKeyDown = 0x0100;      // wParam: the virtual-key code
inline constexpr uint32_t WmLButtonDown = 0x0201;  // lParam: x + 65536 * y in the window
// Virtual-key codes of the keys that have commands.
inline constexpr uint32_t VkEscape = 0x1B;
inline constexpr uint32_t VkNumpad0 = 0x60;  // VkNumpad0 + d for keypad digit d
// The callback's answer that lets the toolkit's own handling follow.
inline constexpr uint32_t NotHandled = 0xE0E0E0E1;

using WindowCallbackProc = uint32_t (*)(uint32_t window, uint32_t message, uint32_t wParam, uint32_t lParam);

// Starts the window system connection and installs the window's operations below as the
// search's host (solver/search_host.h); safe to call again.
int32_t StartToolkit();
// Opens MainWindow, FieldWidth + 400 by FieldHeight, centred; returns 1, or 0 on failure.
int32_t OpenMainWindow();
// Every key press and left-button press that reaches MainWindow is offered to `callback`
// before the toolkit's own handling.
int32_t InstallWindowCallback(WindowCallbackProc callback);
// FieldPicture, ResultList and SearchProgress, in this order.
int32_t CreateControls();
// Hands FieldImage to FieldPicture; the picture keeps it alive while it shows it.
int32_t ShowFieldImage();

// Appends a line to the result list; the list does not scroll to it.
int32_t AddListLine(std::string_view text);
// Empties the result list.
int32_t ClearResultList();
// Whether the text, as a line of the result list, is shown whole in the list's width with its
// font, a vertical scroll bar or not.
bool ListLineFits(std::string_view text);
// Moves the progress bar (range 0 to 300; values outside are clamped by the bar).
int32_t SetSearchProgress(int32_t value);
// Handles pending window events without waiting, then returns. Called twice per trial by the
// search, so it only looks at the events every few milliseconds.
int32_t DrainEvents();
// Drains pending events now, however recently that was done.
int32_t DrainEventsNow();
// Draws the current Field, shows it and drains pending events.
int32_t RefreshField();

// Waits for the next event and handles it.
int32_t WaitForEvent();
// Calls `proc` about every `milliseconds` on the user-interface thread, from whichever event
// pump runs, until it returns false.
using RepeatProc = bool (*)();
int32_t RepeatEvery(int32_t milliseconds, RepeatProc proc);
// Drags MainWindow with the pointer until the button is released, from the moment the pointer
// moves beyond the drag distance with the button held (a tap moves nothing), and gives it the
// keyboard focus back (a click in ResultList would otherwise leave it without keys for good).
int32_t DragMainWindow();
// Ends the process with exit code 0. Saves nothing.
[[noreturn]] void ShutDown();

// Why the process is asked to end from outside: SIGTERM, SIGHUP or SIGINT by its number, or
// the loss of the display connection.
inline constexpr int32_t DisplayLost = -1;
using EndRequestProc = void (*)(int32_t cause);
// From now on such a request calls `handler` on the user-interface thread, from whichever
// event pump is running, nested inside a search's draining too; never inside a signal
// handler. For a signal the program goes on after the handler returns, so the handler
// ends it, at once or when the work it is in is done, with EndForCause. A lost display
// ends the process as soon as the handler returns, with exit code 1.
int32_t InstallEndRequestHandler(EndRequestProc handler);
// Ends the process the way the cause would have without a handler: killed by the signal.
[[noreturn]] void EndForCause(int32_t cause);

}  // namespace tq
