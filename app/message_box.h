// message_box.h -- the platform's message box, for the shell's questions, warnings and errors.
#pragma once

// Styles and answers, with the values the Windows message box gives them.
constexpr unsigned kBoxOk = 0x00;
constexpr unsigned kBoxOkCancel = 0x01;
constexpr unsigned kBoxYesNo = 0x04;
constexpr unsigned kBoxIconError = 0x10;
constexpr unsigned kBoxIconExclamation = 0x30;
constexpr unsigned kBoxIconInformation = 0x40;
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// Shows a modal box with `text` and `caption`, owned by `owner` (a window, or null for none), and returns
// the button the player chose.
int showMessageBox(void* owner, const char* text, const char* caption, unsigned style);
