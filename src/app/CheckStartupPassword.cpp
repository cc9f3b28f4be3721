#include "app/CheckStartupPassword.h"

#include "app/Password.h"
#include "app/PasswordStore.h"
#include "app/TPasswordDlg.h"

namespace {
constexpr int Attempts = 3;
}

bool CheckStartupPassword(const PasswordPrompt &prompt)
{
    if (!PasswordStore::exists())
        return true;
    const QString stored = PasswordStore::value();
    if (stored == NoPasswordMarker())
        return true;
    for (int failed = 0; failed < Attempts;) {
        const QString typed = prompt();
        if (PasswordMatches(typed, stored))
            return true;
        ++failed;
        if (typed.isEmpty())
            return false;
    }
    return false;
}

bool CheckStartupPassword()
{
    return CheckStartupPassword(PasswordPrompt(&PromptPassword));
}
