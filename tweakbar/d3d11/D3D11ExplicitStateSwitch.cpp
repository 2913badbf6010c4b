// The fallback: the game's pipeline state is captured piece by piece, the renderer's bound, and
// the game's put back after the draw.
#include "D3D11ExplicitStateSwitch.h"

#include "D3D11StateBackup.h"

namespace tw {

namespace {

class ExplicitStateSwitch final : public D3D11StateSwitch {
  public:
    explicit ExplicitStateSwitch(ID3D11DeviceContext* context) : context_(context) {}

    void draw(const D3D11Pipeline& pipeline, ID3D11RenderTargetView*, UINT indexCount) override {
        backup_.capture(context_);
        bindPipeline(context_, pipeline);
        context_->DrawIndexed(indexCount, 0, 0);
        backup_.restore(context_);
    }

    bool swapsContextState() const override { return false; }

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
