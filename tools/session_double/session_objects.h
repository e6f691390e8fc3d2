#pragma once
// The stand-in session's objects: the activation factory, the interop that hands out the
// session of a window, the session with its display updater and music properties. They
// record what they are told into the state file and call the program's ButtonPressed
// handlers when the test presses a button.
#include <windows.h>

#include <string>

#include "session_abi.h"
#include "state_file.h"

// The factory that DllGetActivationFactory hands out, recording into `folder`.
session_abi::IActivationFactory* NewSessionFactory(const std::wstring& folder);
