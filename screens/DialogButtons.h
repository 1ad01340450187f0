#pragma once
// The OK and Cancel buttons at the foot of a dialog, right-aligned, OK the
// default button; named BitBtnOK and BitBtnCancel as on the forms.

class QHBoxLayout;
class QPushButton;

QHBoxLayout* NewOkCancelRow(QPushButton*& ok, QPushButton*& cancel);
