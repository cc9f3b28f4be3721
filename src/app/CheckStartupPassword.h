#pragma once

#include <QString>
#include <functional>

// Asks for the password once and gives what was typed.
using PasswordPrompt = std::function<QString()>;

// The start-up check: passes at once when no password is in force; otherwise allows three
// tries and fails after the third wrong one, or at once after an empty one. Shows no message.
bool CheckStartupPassword(const PasswordPrompt &prompt);
// The same with the start-up prompt window (PromptPassword).
bool CheckStartupPassword();
