// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

// A run-time error of the program: a failed control operation or an
// arithmetic overflow. Nothing in the exercise catches it; the window
// reports it and ends the program.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(const std::string& message) : std::runtime_error(message) {}
};
