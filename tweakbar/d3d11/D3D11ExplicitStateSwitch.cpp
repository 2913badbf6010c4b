// The game's pipeline state is read piece by piece, the renderer's bound where it differs, and the
// game's put back after the draw.
#include "D3D11StateBackup.h"
#include "D3D11StateSwitch.h"

namespace tw {

namespace {

class ExplicitStateSwitch final : public D3D11StateSwitch {
  public:
    explicit ExplicitStateSwitch(ID3D11DeviceContext* context) : context_(context) {}

    void draw(const D3D11Pipeline& pipeline, const D3D11BoundTarget& target,
              UINT indexCount) override {
        backup_.bindOver(context_, pipeline, target.depthBound);
        context_->DrawIndexed(indexCount, 0, 0);
        backup_.restore(context_);
    }

  private:
    ID3D11DeviceContext* context_;  // the renderer's, which holds the reference
    // A member rather than a local: it holds a few kilobytes of class-instance slots.
    D3D11StateBackup backup_;
};

}  // namespace

std::unique_ptr<D3D11StateSwitch> makeExplicitStateSwitch(ID3D11DeviceContext* context) {
    return std::make_unique<ExplicitStateSwitch>(context);
}

}  // namespace tw
