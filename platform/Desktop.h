#pragma once
// The desktop as the program sees it: the work area that windows may use.

struct WorkArea {
  int width = 0;
  int height = 0;
};

class IDesktop {
 public:
  virtual ~IDesktop() = default;
  virtual WorkArea GetWorkArea() const = 0;
};
