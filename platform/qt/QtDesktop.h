#pragma once
// The desktop work area of the primary screen.

#include "platform/Desktop.h"

class QtDesktop final : public IDesktop {
 public:
  WorkArea GetWorkArea() const override;
};
