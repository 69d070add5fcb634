#pragma once
// Which backend the platform layer runs on: the real SDL window, or the
// headless one (fake clock, injected input, frame kept in memory) that the
// scenario runner and the tests use. Chosen before AppFrame::Run / Init.

enum class Backend { Sdl, Headless };

// Sets the backend explicitly; this wins over the environment.
void SetBackend(Backend backend);

// The chosen backend. Without an explicit choice: Headless when the
// environment variable QORV_HEADLESS is "1", else Sdl.
Backend GetBackend();

inline bool IsHeadless() { return GetBackend() == Backend::Headless; }
