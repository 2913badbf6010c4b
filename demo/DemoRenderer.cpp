#include "DemoRenderer.h"

#include <d3dcompiler.h>

#include <cstring>

namespace kzdemo {

namespace {

// Triangles in window pixels with a colour per vertex; the picture itself is built on the CPU
// (Scene.h), which keeps the shaders within what every HLSL compiler accepts.
const char kShaders[] = R"(
cbuffer Frame : register(b0) { float2 size; float2 unused; };
struct Vertex { float2 position : POSITION; float4 color : COLOR; };
struct Fragment { float4 position : SV_Position; float4 color : COLOR; };

Fragment sceneVS(Vertex v) {
    Fragment f;
    f.position = float4(v.position / size * float2(2, -2) + float2(-1, 1), 0, 1);
    f.color = v.color;
    return f;
}

float4 scenePS(Fragment f) : SV_Target { return f.color; }
)";

struct FrameConstants {
    float width, height, unused[2];
};

template <typename T>
void release(T*& object) {
    if (object) object->Release();
    object = nullptr;
}

ID3DBlob* compile(const char* entry, const char* target, std::string* error) {
    ID3DBlob* code = nullptr;
    ID3DBlob* messages = nullptr;
    const HRESULT result = D3DCompile(kShaders, sizeof kShaders - 1, "demo", nullptr, nullptr,
                                      entry, target, 0, 0, &code, &messages);
    if (FAILED(result)) {
        *error = std::string("shader ") + entry + " did not compile: " +
                 (messages ? static_cast<const char*>(messages->GetBufferPointer()) : "");
        release(code);
    }
    release(messages);
    return code;
}

}  // namespace

DemoRenderer::~DemoRenderer() {
    if (context_) context_->ClearState();
    release(blend_);
    release(vertices_);
    release(frameConstants_);
    release(layout_);
    release(pixelShader_);
    release(vertexShader_);
    release(backBufferView_);
    release(swapChain_);
    release(context_);
    release(device_);
}

bool DemoRenderer::create(HWND window, UINT width, UINT height, std::string* error) {
    window_ = window;
    width_ = width;
    height_ = height;
    HRESULT result = D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, 0, nullptr, 0,
                                       D3D11_SDK_VERSION, &device_, nullptr, &context_);
    if (FAILED(result)) {
        *error = "D3D11CreateDevice failed";
        return false;
    }
    if (!createSwapChain() || !createBackBufferView()) {
        *error = "could not create the swap chain";
        return false;
    }
    return createPipeline(error);
}

// Made through the device's own factory, the way engines that create the device first do.
bool DemoRenderer::createSwapChain() {
    IDXGIDevice* dxgiDevice = nullptr;
    IDXGIAdapter* adapter = nullptr;
    IDXGIFactory* factory = nullptr;
    device_->QueryInterface(__uuidof(IDXGIDevice), reinterpret_cast<void**>(&dxgiDevice));
    if (dxgiDevice) dxgiDevice->GetAdapter(&adapter);
    if (adapter) adapter->GetParent(__uuidof(IDXGIFactory), reinterpret_cast<void**>(&factory));
    DXGI_SWAP_CHAIN_DESC desc{};
    desc.BufferCount = 2;
    desc.BufferDesc.Width = width_;
    desc.BufferDesc.Height = height_;
    desc.BufferDesc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
    desc.BufferUsage = DXGI_USAGE_RENDER_TARGET_OUTPUT;
    desc.OutputWindow = window_;
    desc.SampleDesc.Count = 1;
    desc.Windowed = TRUE;
    desc.SwapEffect = DXGI_SWAP_EFFECT_DISCARD;
    const bool ok = factory && SUCCEEDED(factory->CreateSwapChain(device_, &desc, &swapChain_));
    release(factory);
    release(adapter);
    release(dxgiDevice);
    return ok;
}

bool DemoRenderer::createBackBufferView() {
    ID3D11Texture2D* backBuffer = nullptr;
    if (FAILED(swapChain_->GetBuffer(0, __uuidof(ID3D11Texture2D),
                                     reinterpret_cast<void**>(&backBuffer))))
        return false;
    const HRESULT result = device_->CreateRenderTargetView(backBuffer, nullptr, &backBufferView_);
    backBuffer->Release();
    return SUCCEEDED(result);
}

bool DemoRenderer::createPipeline(std::string* error) {
    ID3DBlob* vertexCode = compile("sceneVS", "vs_4_0", error);
    ID3DBlob* pixelCode = compile("scenePS", "ps_4_0", error);
    const bool compiled = vertexCode && pixelCode;
    if (compiled) {
        device_->CreateVertexShader(vertexCode->GetBufferPointer(), vertexCode->GetBufferSize(),
                                    nullptr, &vertexShader_);
        device_->CreatePixelShader(pixelCode->GetBufferPointer(), pixelCode->GetBufferSize(),
                                   nullptr, &pixelShader_);
        const D3D11_INPUT_ELEMENT_DESC layout[] = {
            {"POSITION", 0, DXGI_FORMAT_R32G32_FLOAT, 0, 0, D3D11_INPUT_PER_VERTEX_DATA, 0},
            {"COLOR", 0, DXGI_FORMAT_R8G8B8A8_UNORM, 0, 8, D3D11_INPUT_PER_VERTEX_DATA, 0},
        };
        device_->CreateInputLayout(layout, 2, vertexCode->GetBufferPointer(),
                                   vertexCode->GetBufferSize(), &layout_);
    }
    release(vertexCode);
    release(pixelCode);
    if (!compiled) return false;

    D3D11_BUFFER_DESC constants{};
    constants.ByteWidth = sizeof(FrameConstants);
    constants.Usage = D3D11_USAGE_DYNAMIC;
    constants.BindFlags = D3D11_BIND_CONSTANT_BUFFER;
    constants.CPUAccessFlags = D3D11_CPU_ACCESS_WRITE;
    device_->CreateBuffer(&constants, nullptr, &frameConstants_);

    D3D11_BLEND_DESC blend{};
    blend.RenderTarget[0].BlendEnable = TRUE;
    blend.RenderTarget[0].SrcBlend = D3D11_BLEND_SRC_ALPHA;
    blend.RenderTarget[0].DestBlend = D3D11_BLEND_INV_SRC_ALPHA;
    blend.RenderTarget[0].BlendOp = D3D11_BLEND_OP_ADD;
    blend.RenderTarget[0].SrcBlendAlpha = D3D11_BLEND_ONE;
    blend.RenderTarget[0].DestBlendAlpha = D3D11_BLEND_ZERO;
    blend.RenderTarget[0].BlendOpAlpha = D3D11_BLEND_OP_ADD;
    blend.RenderTarget[0].RenderTargetWriteMask = D3D11_COLOR_WRITE_ENABLE_ALL;
    device_->CreateBlendState(&blend, &blend_);
    if (!frameConstants_ || !layout_ || !vertexShader_ || !pixelShader_ || !blend_) {
        *error = "could not create the demo's pipeline objects";
        return false;
    }
    return true;
}

bool DemoRenderer::resizeBuffers(UINT width, UINT height) {
    // Nothing may hold a back buffer during ResizeBuffers: not the bound target, not a view.
    context_->OMSetRenderTargets(0, nullptr, nullptr);
    release(backBufferView_);
    const HRESULT result = swapChain_->ResizeBuffers(0, width, height, DXGI_FORMAT_UNKNOWN, 0);
    if (SUCCEEDED(result)) {
        width_ = width;
        height_ = height;
    }
    return createBackBufferView() && SUCCEEDED(result);
}

void DemoRenderer::upload(const std::vector<ColorVertex>& vertices) {
    const UINT needed = static_cast<UINT>(vertices.size());
    if (needed > vertexCapacity_) {
        release(vertices_);
        vertexCapacity_ = needed + 1024;
        D3D11_BUFFER_DESC desc{};
        desc.ByteWidth = vertexCapacity_ * sizeof(ColorVertex);
        desc.Usage = D3D11_USAGE_DYNAMIC;
        desc.BindFlags = D3D11_BIND_VERTEX_BUFFER;
        desc.CPUAccessFlags = D3D11_CPU_ACCESS_WRITE;
        if (FAILED(device_->CreateBuffer(&desc, nullptr, &vertices_))) vertexCapacity_ = 0;
    }
    vertexCount_ = 0;
    D3D11_MAPPED_SUBRESOURCE mapped{};
    if (!vertices_ || FAILED(context_->Map(vertices_, 0, D3D11_MAP_WRITE_DISCARD, 0, &mapped)))
        return;
    std::memcpy(mapped.pData, vertices.data(), vertices.size() * sizeof(ColorVertex));
    context_->Unmap(vertices_, 0);
    vertexCount_ = needed;
}

void DemoRenderer::drawFrame(const std::vector<ColorVertex>& vertices) {
    if (!backBufferView_) return;
    D3D11_MAPPED_SUBRESOURCE mapped{};
    if (SUCCEEDED(context_->Map(frameConstants_, 0, D3D11_MAP_WRITE_DISCARD, 0, &mapped))) {
        const FrameConstants constants{
            static_cast<float>(width_), static_cast<float>(height_), {0, 0}};
        std::memcpy(mapped.pData, &constants, sizeof constants);
        context_->Unmap(frameConstants_, 0);
    }
    upload(vertices);

    // The whole pipeline is set every frame: whatever drew between two frames (an overlay in
    // the same context, say) may have changed any of it.
    const D3D11_VIEWPORT viewport{0, 0, static_cast<float>(width_), static_cast<float>(height_),
                                  0, 1};
    const UINT stride = sizeof(ColorVertex), offset = 0;
    context_->ClearState();
    context_->RSSetViewports(1, &viewport);
    context_->OMSetRenderTargets(1, &backBufferView_, nullptr);
    context_->OMSetBlendState(blend_, nullptr, 0xffffffff);
    context_->IASetPrimitiveTopology(D3D11_PRIMITIVE_TOPOLOGY_TRIANGLELIST);
    context_->IASetInputLayout(layout_);
    context_->IASetVertexBuffers(0, 1, &vertices_, &stride, &offset);
    context_->VSSetConstantBuffers(0, 1, &frameConstants_);
    context_->VSSetShader(vertexShader_, nullptr, 0);
    context_->PSSetShader(pixelShader_, nullptr, 0);
    context_->Draw(vertexCount_, 0);
}

HRESULT DemoRenderer::present(UINT syncInterval) {
    return swapChain_->Present(syncInterval, 0);
}

}  // namespace kzdemo
