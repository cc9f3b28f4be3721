#include "app/PasswordChange.h"

#include "app/Password.h"

PasswordChange::Outcome PasswordChange::decide(const Entries &entries)
{
    Outcome outcome;
    if (!entries.protect) {
        // Turning protection off does not ask for the current password.
        outcome.value = NoPasswordMarker();
        return outcome;
    }
    if (entries.currentEnabled && !PasswordMatches(entries.current, entries.storedValue)) {
        outcome.message = QStringLiteral("You must enter your current password");
        outcome.focus = Focus::Current;
        return outcome;
    }
    if (UpperCasePassword(entries.newPassword) != UpperCasePassword(entries.verify)) {
        outcome.message = QStringLiteral("You did not correctly verify your new password");
        outcome.focus = Focus::NewPassword;
        return outcome;
    }
    outcome.value = ScramblePassword(UpperCasePassword(entries.newPassword));
    return outcome;
}
