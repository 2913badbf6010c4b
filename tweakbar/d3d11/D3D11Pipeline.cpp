#include "D3D11Pipeline.h"

#include "draw/DisplayList.h"

namespace tw {

bool D3D11Pipeline::operator==(const D3D11Pipeline& other) const {
    const D3D11_VIEWPORT& a = viewport;
    const D3D11_VIEWPORT& b = other.viewport;
    return inputLayout == other.inputLayout && vertices == other.vertices &&
           indices == other.indices && vertexShader == other.vertexShader &&
           pixelShader == other.pixelShader && constants == other.constants &&
           sampler == other.sampler && atlas == other.atlas && rasterizer == other.rasterizer &&
           blend == other.blend && depthStencil == other.depthStencil && a.TopLeftX == b.TopLeftX &&
           a.TopLeftY == b.TopLeftY && a.Width == b.Width && a.Height == b.Height &&
           a.MinDepth == b.MinDepth && a.MaxDepth == b.MaxDepth;
}

void bindPipeline(ID3D11DeviceContext* context, const D3D11Pipeline& pipeline) {
    const UINT stride = sizeof(Vertex), offset = 0;
    context->IASetInputLayout(pipeline.inputLayout);
    context->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    context->IASetVertexBuffers(0, 1, &pipeline.vertices, &stride, &offset);
    context->IASetIndexBuffer(pipeline.indices, DXGI_FORMAT_R32_UINT, 0);

    context->VSSetShader(pipeline.vertexShader, nullptr, 0);
    context->VSSetConstantBuffers(0, 1, &pipeline.constants);
    context->PSSetShader(pipeline.pixelShader, nullptr, 0);
    context->PSSetConstantBuffers(0, 1, &pipeline.constants);
    context->PSSetSamplers(0, 1, &pipeline.sampler);
    context->PSSetShaderResources(0, 1, &pipeline.atlas);
    context->GSSetShader(nullptr, nullptr, 0);
    context->HSSetShader(nullptr, nullptr, 0);
    context->DSSetShader(nullptr, nullptr, 0);

    context->RSSetViewports(1, &pipeline.viewport);
    context->RSSetState(pipeline.rasterizer);

    const float blendFactor[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    context->OMSetBlendState(pipeline.blend, blendFactor, 0xffffffffu);
    context->OMSetDepthStencilState(pipeline.depthStencil, 0);
}

}  // namespace tw
