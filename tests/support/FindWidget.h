#pragma once
// A widget of a screen found by its object name, as a test reaches the
// screen's fields; the test fails when the screen has none of that name.

#include <gtest/gtest.h>

#include <QObject>
#include <QString>

template <typename W>
W* Widget(const QObject& screen, const char* name) {
  W* widget = screen.findChild<W*>(QString::fromLatin1(name));
  if (widget == nullptr) ADD_FAILURE() << "the screen has no " << name;
  return widget;
}
