#pragma once

#include <QString>

// The start-up password is kept scrambled; passwords compare without regard to the case of a to z.

// The key of ScramblePassword: fifteen lower-case letters.
QString PasswordKey();
// The stored value that means "no password".
QString NoPasswordMarker();

// Upper-cases the letters a to z and leaves every other character as it is.
QString UpperCasePassword(const QString &text);

// XOR with the key, walked from its last letter backwards; a character equal to its key letter
// stays as it is. Gives a text of the same length.
QString ScramblePassword(const QString &text);

// Whether a typed password matches the stored (scrambled, upper-cased) value.
bool PasswordMatches(const QString &typed, const QString &stored);
