#include "D3D11Pipeline.h"

#include "D3D11Shaders.h"
#include "draw/DisplayList.h"

namespace tw {

const UINT kPipelineStrides[2] = {sizeof(Vertex), sizeof(D3D11FrameData)};
const UINT kPipelineOffsets[2] = {0, 0};

bool sameViewport(const D3D11_VIEWPORT& a, const D3D11_VIEWPORT& b) {
    return a.TopLeftX == b.TopLeftX && a.TopLeftY == b.TopLeftY && a.Width == b.Width &&
           a.Height == b.Height && a.MinDepth == b.MinDepth && a.MaxDepth == b.MaxDepth;
}

bool D3D11Pipeline::operator==(const D3D11Pipeline& other) const {
    return inputLayout == other.inputLayout && buffers[0] == other.buffers[0] &&
           buffers[1] == other.buffers[1] && indices == other.indices &&
           vertexShader == other.vertexShader && pixelShader == other.pixelShader &&
           atlas == other.atlas && sampler == other.sampler && rasterizer == other.rasterizer &&
           sameViewport(viewport, other.viewport) && blend == other.blend &&
           depthStencil == other.depthStencil;
}

void bindPipeline(ID3D11DeviceContext* context, const D3D11Pipeline& pipeline) {
    context->IASetInputLayout(pipeline.inputLayout);
    context->IASetPrimitiveTopology(kPipelineTopology);
    context->IASetVertexBuffers(0, 2, pipeline.buffers, kPipelineStrides, kPipelineOffsets);
    context->IASetIndexBuffer(pipeline.indices, kPipelineIndexFormat, 0);
    context->VSSetShader(pipeline.vertexShader, nullptr, 0);
    context->PSSetShader(pipeline.pixelShader, nullptr, 0);
    context->PSSetShaderResources(0, 1, &pipeline.atlas);
    context->PSSetSamplers(0, 1, &pipeline.sampler);
    context->RSSetViewports(1, &pipeline.viewport);
    context->RSSetState(pipeline.rasterizer);
    context->OMSetBlendState(pipeline.blend, kPipelineBlendFactor, kPipelineSampleMask);
    context->OMSetDepthStencilState(pipeline.depthStencil, 0);
}

}  // namespace tw
