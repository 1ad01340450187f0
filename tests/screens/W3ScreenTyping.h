#pragma once
// Driving the W-3 screen as a user does, and reading the data file back:
// shared by the W-3 screen tests and the main window's File, New test.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <iterator>
#include <string>

#include "data/Currency.h"
#include "data/QuillmarFormFile.h"
#include "screens/W3InputForm.h"
#include "tests/support/FindWidget.h"

constexpr Currency Cents(std::int64_t cents) { return cents * 100; }

inline std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline TRecordBuffer RecordOnDisk(const std::string& path, int index) {
  TRecordBuffer record{};
  const std::string bytes = FileBytes(path);
  bytes.copy(reinterpret_cast<char*>(record.bytes), kRecSize,
             static_cast<std::size_t>(index) * kRecSize);
  return record;
}

// Typing as a user does: click into the field, select all, type.
inline void Type(QLineEdit* edit, const char* text) {
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, QString::fromUtf8(text));
}
inline void Type(QComboBox* combo, const char* text) { Type(combo->lineEdit(), text); }

// Moves the focus out of the field to a button of the screen, as a click elsewhere does.
inline void Leave(TFormW3& form) {
  Widget<QPushButton>(form, "ButtonPayer")->setFocus(Qt::TabFocusReason);
}

template <typename Field>
void TypeAndLeave(TFormW3& form, Field* field, const char* text) {
  Type(field, text);
  Leave(form);
}

inline void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}
