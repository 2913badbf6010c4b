#include "D3D11StateBackup.h"

#include <cstring>

#include "ComRelease.h"

namespace tw {

void D3D11StateBackup::bindOver(ID3D11DeviceContext* context, const D3D11Pipeline& pipeline,
                                bool depthBound) {
    releaseAll();
    replaced_ = 0;
    auto replaceIf = [&](bool differs, Piece piece, auto&& bind) {
        if (!differs) return;
        bind();
        replaced_ |= piece;
    };

    context->IAGetInputLayout(&inputLayout_);
    replaceIf(inputLayout_ != pipeline.inputLayout, kInputLayout,
              [&] { context->IASetInputLayout(pipeline.inputLayout); });
    context->IAGetPrimitiveTopology(&topology_);
    replaceIf(topology_ != kPipelineTopology, kTopology,
              [&] { context->IASetPrimitiveTopology(kPipelineTopology); });
    context->IAGetVertexBuffers(0, 2, buffers_, strides_, offsets_);
    replaceIf(std::memcmp(buffers_, pipeline.buffers, sizeof buffers_) != 0 ||
                  std::memcmp(strides_, kPipelineStrides, sizeof strides_) != 0 ||
                  std::memcmp(offsets_, kPipelineOffsets, sizeof offsets_) != 0,
              kBuffers, [&] {
                  context->IASetVertexBuffers(0, 2, pipeline.buffers, kPipelineStrides,
                                              kPipelineOffsets);
              });
    context->IAGetIndexBuffer(&indexBuffer_, &indexFormat_, &indexOffset_);
    replaceIf(indexBuffer_ != pipeline.indices || indexFormat_ != kPipelineIndexFormat ||
                  indexOffset_ != 0,
              kIndices,
              [&] { context->IASetIndexBuffer(pipeline.indices, kPipelineIndexFormat, 0); });

    vertexStage_.instanceCount = 256;
    context->VSGetShader(&vertexStage_.shader, vertexStage_.instances, &vertexStage_.instanceCount);
    replaceIf(vertexStage_.shader != pipeline.vertexShader || vertexStage_.instanceCount,
              kVertexStage, [&] { context->VSSetShader(pipeline.vertexShader, nullptr, 0); });
    pixelStage_.instanceCount = 256;
    context->PSGetShader(&pixelStage_.shader, pixelStage_.instances, &pixelStage_.instanceCount);
    replaceIf(pixelStage_.shader != pipeline.pixelShader || pixelStage_.instanceCount, kPixelStage,
              [&] { context->PSSetShader(pipeline.pixelShader, nullptr, 0); });
    context->PSGetShaderResources(0, 1, &atlasSlot_);
    replaceIf(atlasSlot_ != pipeline.atlas, kAtlas,
              [&] { context->PSSetShaderResources(0, 1, &pipeline.atlas); });
    context->PSGetSamplers(0, 1, &samplerSlot_);
    replaceIf(samplerSlot_ != pipeline.sampler, kSampler,
              [&] { context->PSSetSamplers(0, 1, &pipeline.sampler); });
    geometryStage_.instanceCount = 256;
    context->GSGetShader(&geometryStage_.shader, geometryStage_.instances,
                         &geometryStage_.instanceCount);
    replaceIf(!geometryStage_.empty(), kGeometryStage,
              [&] { context->GSSetShader(nullptr, nullptr, 0); });
    hullStage_.instanceCount = 256;
    context->HSGetShader(&hullStage_.shader, hullStage_.instances, &hullStage_.instanceCount);
    replaceIf(!hullStage_.empty(), kHullStage, [&] { context->HSSetShader(nullptr, nullptr, 0); });
    domainStage_.instanceCount = 256;
    context->DSGetShader(&domainStage_.shader, domainStage_.instances, &domainStage_.instanceCount);
    replaceIf(!domainStage_.empty(), kDomainStage,
              [&] { context->DSSetShader(nullptr, nullptr, 0); });

    context->RSGetState(&rasterizer_);
    replaceIf(rasterizer_ != pipeline.rasterizer, kRasterizer,
              [&] { context->RSSetState(pipeline.rasterizer); });
    viewportCount_ = D3D11_VIEWPORT_AND_SCISSORRECT_OBJECT_COUNT_PER_PIPELINE;
    context->RSGetViewports(&viewportCount_, viewports_);
    replaceIf(viewportCount_ != 1 || !sameViewport(viewports_[0], pipeline.viewport), kViewports,
              [&] { context->RSSetViewports(1, &pipeline.viewport); });

    context->OMGetBlendState(&blend_, blendFactor_, &sampleMask_);
    replaceIf(blend_ != pipeline.blend ||
                  std::memcmp(blendFactor_, kPipelineBlendFactor, sizeof blendFactor_) != 0 ||
                  sampleMask_ != kPipelineSampleMask,
              kBlend, [&] {
                  context->OMSetBlendState(pipeline.blend, kPipelineBlendFactor,
                                           kPipelineSampleMask);
              });
    if (depthBound) {
        context->OMGetDepthStencilState(&depthStencil_, &stencilRef_);
        // The renderer's state tests nothing, so the reference value does not matter.
        replaceIf(depthStencil_ != pipeline.depthStencil, kDepthStencil,
                  [&] { context->OMSetDepthStencilState(pipeline.depthStencil, stencilRef_); });
    }
}

void D3D11StateBackup::restore(ID3D11DeviceContext* context) {
    const unsigned replaced = replaced_;
    auto put = [replaced](Piece piece, auto&& bind) {
        if (replaced & piece) bind();
    };
    put(kInputLayout, [&] { context->IASetInputLayout(inputLayout_); });
    put(kTopology, [&] { context->IASetPrimitiveTopology(topology_); });
    put(kBuffers, [&] { context->IASetVertexBuffers(0, 2, buffers_, strides_, offsets_); });
    put(kIndices, [&] { context->IASetIndexBuffer(indexBuffer_, indexFormat_, indexOffset_); });
    put(kVertexStage, [&] {
        context->VSSetShader(vertexStage_.shader, vertexStage_.instances,
                             vertexStage_.instanceCount);
    });
    put(kPixelStage, [&] {
        context->PSSetShader(pixelStage_.shader, pixelStage_.instances, pixelStage_.instanceCount);
    });
    put(kAtlas, [&] { context->PSSetShaderResources(0, 1, &atlasSlot_); });
    put(kSampler, [&] { context->PSSetSamplers(0, 1, &samplerSlot_); });
    put(kGeometryStage, [&] {
        context->GSSetShader(geometryStage_.shader, geometryStage_.instances,
                             geometryStage_.instanceCount);
    });
    put(kHullStage, [&] {
        context->HSSetShader(hullStage_.shader, hullStage_.instances, hullStage_.instanceCount);
    });
    put(kDomainStage, [&] {
        context->DSSetShader(domainStage_.shader, domainStage_.instances,
                             domainStage_.instanceCount);
    });
    put(kRasterizer, [&] { context->RSSetState(rasterizer_); });
    put(kViewports, [&] { context->RSSetViewports(viewportCount_, viewports_); });
    put(kBlend, [&] { context->OMSetBlendState(blend_, blendFactor_, sampleMask_); });
    put(kDepthStencil, [&] { context->OMSetDepthStencilState(depthStencil_, stencilRef_); });
    replaced_ = 0;
    releaseAll();
}

void D3D11StateBackup::releaseAll() {
    releaseCom(inputLayout_);
    releaseCom(buffers_[0]);
    releaseCom(buffers_[1]);
    releaseCom(indexBuffer_);
    releaseCom(atlasSlot_);
    releaseCom(samplerSlot_);
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
