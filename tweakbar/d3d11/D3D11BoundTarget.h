// The render target that the caller bound before TwDraw, as the renderer draws into it: the view,
// the size of the mip level it shows, the view's format, and whether a depth buffer is bound
// with it.
#pragma once

#include <d3d11.h>

namespace tw {

struct D3D11BoundTarget {
    ID3D11RenderTargetView* view = nullptr;  // holds a reference while the frame is drawn
    int width = 0, height = 0;
    DXGI_FORMAT format = DXGI_FORMAT_UNKNOWN;
    bool depthBound = false;

    D3D11BoundTarget() = default;
    ~D3D11BoundTarget();
    D3D11BoundTarget(const D3D11BoundTarget&) = delete;
    D3D11BoundTarget& operator=(const D3D11BoundTarget&) = delete;
};

// Reads the view bound in slot 0. False when none is bound or it shows no 2D texture; the
// renderer then draws nothing.
bool readBoundTarget(ID3D11DeviceContext* context, D3D11BoundTarget& target);

}  // namespace tw
