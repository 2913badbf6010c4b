#include "D3D11BoundTarget.h"

#include <algorithm>

#include "ComRelease.h"

namespace tw {

namespace {

// The size and format of a view, kept in the view's own private data once read: a steady frame
// then asks the view one question instead of four, and a new view (even one made at the address
// of a released one) carries no such data, so nothing stale is ever taken for it.
struct TargetFacts {
    UINT width, height;
    DXGI_FORMAT format;
};

// {5B0C6E2A-7F61-4C1D-9A3E-2D8F4B6C1E70}
const GUID kTargetFactsGuid = {
    0x5b0c6e2a, 0x7f61, 0x4c1d, {0x9a, 0x3e, 0x2d, 0x8f, 0x4b, 0x6c, 0x1e, 0x70}};

bool readFacts(ID3D11RenderTargetView* view, TargetFacts& facts) {
    D3D11_RENDER_TARGET_VIEW_DESC desc{};
    view->GetDesc(&desc);
    UINT mip = 0;
    switch (desc.ViewDimension) {
        case D3D11_RTV_DIMENSION_TEXTURE2D:
            mip = desc.Texture2D.MipSlice;
            break;
        case D3D11_RTV_DIMENSION_TEXTURE2DARRAY:
            mip = desc.Texture2DArray.MipSlice;
            break;
        case D3D11_RTV_DIMENSION_TEXTURE2DMS:
        case D3D11_RTV_DIMENSION_TEXTURE2DMSARRAY:
            break;
        default:
            return false;
    }
    ID3D11Resource* resource = nullptr;
    view->GetResource(&resource);
    ID3D11Texture2D* texture = nullptr;
    const bool isTexture =
        resource && SUCCEEDED(resource->QueryInterface(__uuidof(ID3D11Texture2D),
                                                       reinterpret_cast<void**>(&texture)));
    releaseCom(resource);
    if (!isTexture) return false;
    D3D11_TEXTURE2D_DESC textureDesc{};
    texture->GetDesc(&textureDesc);
    texture->Release();
    facts.width = std::max(1u, textureDesc.Width >> mip);
    facts.height = std::max(1u, textureDesc.Height >> mip);
    facts.format = desc.Format;
    return true;
}

}  // namespace

D3D11BoundTarget::~D3D11BoundTarget() {
    releaseCom(view);
}

bool readBoundTarget(ID3D11DeviceContext* context, D3D11BoundTarget& target) {
    releaseCom(target.view);
    ID3D11DepthStencilView* depth = nullptr;
    context->OMGetRenderTargets(1, &target.view, &depth);
    target.depthBound = depth != nullptr;
    releaseCom(depth);
    if (!target.view) return false;
    TargetFacts facts{};
    UINT size = sizeof facts;
    if (FAILED(target.view->GetPrivateData(kTargetFactsGuid, &size, &facts)) ||
        size != sizeof facts) {
        if (!readFacts(target.view, facts)) {
            releaseCom(target.view);
            return false;
        }
        target.view->SetPrivateData(kTargetFactsGuid, sizeof facts, &facts);
    }
    target.width = static_cast<int>(facts.width);
    target.height = static_cast<int>(facts.height);
    target.format = facts.format;
    return true;
}

}  // namespace tw
