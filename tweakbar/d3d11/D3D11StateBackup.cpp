#include "D3D11StateBackup.h"

#include "ComRelease.h"

namespace tw {

void D3D11StateBackup::capture(ID3D11DeviceContext* context) {
    releaseAll();

    context->IAGetInputLayout(&inputLayout_);
    context->IAGetPrimitiveTopology(&topology_);
    context->IAGetVertexBuffers(0, 1, &vertexBuffer_, &vertexStride_, &vertexOffset_);
    context->IAGetIndexBuffer(&indexBuffer_, &indexFormat_, &indexOffset_);

    vertexStage_.instanceCount = 256;
    context->VSGetShader(&vertexStage_.shader, vertexStage_.instances, &vertexStage_.instanceCount);
    context->VSGetConstantBuffers(0, 1, &vertexConstants_);
    pixelStage_.instanceCount = 256;
    context->PSGetShader(&pixelStage_.shader, pixelStage_.instances, &pixelStage_.instanceCount);
    context->PSGetConstantBuffers(0, 1, &pixelConstants_);
    context->PSGetSamplers(0, 1, &pixelSampler_);
    context->PSGetShaderResources(0, 1, &pixelResource_);
    geometryStage_.instanceCount = 256;
    context->GSGetShader(&geometryStage_.shader, geometryStage_.instances,
                         &geometryStage_.instanceCount);
    hullStage_.instanceCount = 256;
    context->HSGetShader(&hullStage_.shader, hullStage_.instances, &hullStage_.instanceCount);
    domainStage_.instanceCount = 256;
    context->DSGetShader(&domainStage_.shader, domainStage_.instances, &domainStage_.instanceCount);

    context->RSGetState(&rasterizer_);
    viewportCount_ = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    context->RSGetViewports(&viewportCount_, viewports_);
    scissorCount_ = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    context->RSGetScissorRects(&scissorCount_, scissors_);

    context->OMGetBlendState(&blend_, blendFactor_, &sampleMask_);
    context->OMGetDepthStencilState(&depthStencil_, &stencilRef_);
}

void D3D11StateBackup::restore(ID3D11DeviceContext* context) {
    context->IASetInputLayout(inputLayout_);
    context->IASetPrimitiveTopology(topology_);
    context->IASetVertexBuffers(0, 1, &vertexBuffer_, &vertexStride_, &vertexOffset_);
    context->IASetIndexBuffer(indexBuffer_, indexFormat_, indexOffset_);

    context->VSSetShader(vertexStage_.shader, vertexStage_.instances, vertexStage_.instanceCount);
    context->VSSetConstantBuffers(0, 1, &vertexConstants_);
    context->PSSetShader(pixelStage_.shader, pixelStage_.instances, pixelStage_.instanceCount);
    context->PSSetConstantBuffers(0, 1, &pixelConstants_);
    context->PSSetSamplers(0, 1, &pixelSampler_);
    context->PSSetShaderResources(0, 1, &pixelResource_);
    context->GSSetShader(geometryStage_.shader, geometryStage_.instances,
                         geometryStage_.instanceCount);
    context->HSSetShader(hullStage_.shader, hullStage_.instances, hullStage_.instanceCount);
    context->DSSetShader(domainStage_.shader, domainStage_.instances, domainStage_.instanceCount);

    context->RSSetState(rasterizer_);
    context->RSSetViewports(viewportCount_, viewports_);
    context->RSSetScissorRects(scissorCount_, scissors_);

    context->OMSetBlendState(blend_, blendFactor_, sampleMask_);
    context->OMSetDepthStencilState(depthStencil_, stencilRef_);

    releaseAll();
}

void D3D11StateBackup::releaseAll() {
    releaseCom(inputLayout_);
    releaseCom(vertexBuffer_);
    releaseCom(indexBuffer_);
    releaseCom(vertexConstants_);
    releaseCom(pixelConstants_);
    releaseCom(pixelSampler_);
    releaseCom(pixelResource_);
    auto releaseStage = [](auto& stage) {
        releaseCom(stage.shader);
        for (UINT i = 0; i < stage.instanceCount; ++i)
            releaseCom(stage.instances[i]);
        stage.instanceCount = 0;
    };
    releaseStage(vertexStage_);
    releaseStage(pixelStage_);
    releaseStage(geometryStage_);
    releaseStage(hullStage_);
    releaseStage(domainStage_);
    releaseCom(rasterizer_);
    releaseCom(blend_);
    releaseCom(depthStencil_);
}

}  // namespace tw
