#pragma once

class QLineEdit;
class QWidget;

// A one-line password box that shows "*" for every character.
QLineEdit *NewMaskedEdit(QWidget *parent, int maxLength = 0);
