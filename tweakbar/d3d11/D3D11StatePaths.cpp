#include "D3D11StatePaths.h"

namespace tw {

D3D11StatePaths::D3D11StatePaths() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    microsecondsPerTick_ = 1e6 / double(frequency.QuadPart);
}

void D3D11StatePaths::create(ID3D11Device* device, ID3D11DeviceContext* context) {
    saved_ = makeExplicitStateSwitch(context);
    swap_ = makeContextStateSwitch(device, context);
    choice_.offerSwap(swap_ != nullptr);
}

void D3D11StatePaths::release() {
    swap_.reset();
    saved_.reset();
}

StatePath D3D11StatePaths::draw(const D3D11Pipeline& pipeline, const D3D11BoundTarget& target,
                                UINT indexCount) {
    const StatePath path = choice_.next();
    D3D11StateSwitch& way = path == StatePath::Swap ? *swap_ : *saved_;
    if (!choice_.deciding()) {
        way.draw(pipeline, target, indexCount);
        return path;
    }
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    way.draw(pipeline, target, indexCount);
    QueryPerformanceCounter(&end);
    choice_.recordFrame(double(end.QuadPart - start.QuadPart) * microsecondsPerTick_);
    return path;
}

}  // namespace tw
