// Makes Direct3D 11 devices look like those of a runtime without ID3D11Device1 (Windows 7
// without its platform update): while an instance lives, QueryInterface for it fails. For
// driving the renderer down the path of devices that cannot swap context states.
#pragma once

#include <d3d11.h>

#include "VtableCallCounter.h"

namespace kztest {

class HiddenDevice1 {
  public:
    explicit HiddenDevice1(ID3D11Device* device);
    ~HiddenDevice1();
    HiddenDevice1(const HiddenDevice1&) = delete;
    HiddenDevice1& operator=(const HiddenDevice1&) = delete;

  private:
    VtableCallCounter table_;
};

}  // namespace kztest
