#pragma once

#include <QString>

// What the password dialog's OK does with its entries: the value to write, or why not.
class PasswordChange
{
public:
    struct Entries
    {
        bool protect = false;        // "Enable Password Protection" is checked
        bool currentEnabled = false; // a password is in force, so the current one is asked for
        QString storedValue;         // the value in force when the dialog opened
        QString current;
        QString newPassword;
        QString verify;
    };
    enum class Focus { None, Current, NewPassword };

    struct Outcome
    {
        QString message; // information for the user; empty when the value can be written
        Focus focus = Focus::None;
        QString value; // what to store
        bool ok() const { return message.isEmpty(); }
    };

    static Outcome decide(const Entries &entries);
};
